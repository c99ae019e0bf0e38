#pragma once

#include "grid.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <vector>

namespace libgen {

// Line order: position i of the new grid takes line order[i] of the old one.
using LineOrder = std::array<std::uint8_t, 9>;

// The 1,296 orders that keep bands (or stacks) together: bands permuted, lines within each.
const std::vector<LineOrder>& BandPreservingOrders();

// One element of the Sudoku symmetry group.
struct Symmetry {
    bool transpose = false;
    LineOrder rows{0, 1, 2, 3, 4, 5, 6, 7, 8};
    LineOrder columns{0, 1, 2, 3, 4, 5, 6, 7, 8};
    std::array<std::uint8_t, 10> digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}; // old digit -> new
};

Grid Apply(const Symmetry& symmetry, const Grid& grid);

Grid Transpose(const Grid& grid);

// A uniformly drawn symmetry; transposition only when allowed.
Symmetry RandomSymmetry(Random& random, bool allowTranspose);

} // namespace libgen

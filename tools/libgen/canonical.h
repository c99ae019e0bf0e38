#pragma once

#include "grid.h"

namespace libgen {

// The least grid, read row by row with empty cells lowest, among all images of the puzzle under
// the Sudoku symmetry group (transposition, bands, rows within bands, stacks, columns within
// stacks, digit relabelling). Two puzzles are essentially the same exactly when their canonical
// forms are equal.
Grid CanonicalForm(const Grid& puzzle);

} // namespace libgen

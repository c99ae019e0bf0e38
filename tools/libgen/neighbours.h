#pragma once

#include "grid.h"

#include <functional>

namespace libgen {

using PuzzleSink = std::function<void(const Grid&)>;

// Every puzzle with one solution made by removing one given of the puzzle and adding another
// (a different cell or digit). The puzzle is expected to have one solution.
void ForEachOneSwapNeighbour(const Grid& puzzle, const PuzzleSink& sink);

// The same with two givens removed and two added; results that are also one-swap neighbours
// (one of the removed givens put back) are left out.
void ForEachTwoSwapNeighbour(const Grid& puzzle, const PuzzleSink& sink);

} // namespace libgen

#pragma once

#include "puzzle_input.h"

#include <ostream>
#include <vector>

// Searches every puzzle on the given number of threads, each with its own search state, and
// writes one report line per puzzle in input order as soon as it and all before it are done.
void RunBatch(const std::vector<PuzzleLine>& puzzles, bool stopAtFirst, int threads,
              std::ostream& out);

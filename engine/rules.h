#pragma once

#include "board.h"

// The four deduction rules. Each makes one pass over the board and changes it in place; the
// first two only clear candidate flags, the last two place digits.

// A digit whose candidate cells in a box (two or three of them) share a row or column is
// cleared from the rest of that row or column.
void ApplyPointing(CBoard& board);

// n cells of a unit (n = 2 to 4) with the same n candidates take those digits from the
// unit's other empty cells.
void ApplyNakedSubsets(CBoard& board);

// A digit with one possible cell in a box is placed there.
void ApplyBoxHiddenSingles(CBoard& board);

// A cell with one candidate gets that digit.
void ApplyNakedSingles(CBoard& board);

// Sweeps of the four rules, in this order, until a sweep leaves the identity CRC as it was (a
// sweep that only clears candidates therefore ends the repetition); gives up as soon as an empty
// cell has lost its last candidate: the fixpoint could then only be a dead end, which the search
// never looks at. Returns false in that case and leaves the board part-way; true when the board
// is at the fixpoint.
bool RunRulesToFixpointUnlessStuck(CBoard& board);

#pragma once

#include "engine/board.h"
#include "tests/engine/reference_rehash.h"

// The four deduction rules written as plainly as they are stated, one flag and one placement at
// a time, each placement followed by the step-by-step re-hash: the reference the engine's rules
// must match.
namespace reference {

inline void Place(CBoard& board, int c, int r, unsigned char d) {
    board.PlaceWithoutRehash(c, r, d);
    ReferenceRehash(board, TableCrc);
}

inline void ClearFlag(CBoard& board, int c, int r, unsigned char d) {
    board.m_candidate[FlagIndex(c, r, d)] = 0;
}

struct Cells {
    int col[9];
    int row[9];
    int count = 0;
    bool Contains(int c, int r) const {
        for (int i = 0; i < count; ++i) {
            if (col[i] == c && row[i] == r) {
                return true;
            }
        }
        return false;
    }
    void Add(int c, int r) {
        col[count] = c;
        row[count] = r;
        ++count;
    }
};

inline void ApplyPointing(CBoard& board) {
    for (int r0 = 0; r0 < 9; r0 += 3) {
        for (int c0 = 0; c0 < 9; c0 += 3) {
            for (unsigned char d = 1; d <= 9; ++d) {
                Cells cells;
                for (int r = r0; r < r0 + 3; ++r) {
                    for (int c = c0; c < c0 + 3; ++c) {
                        if (board.Value(c, r) == 0 && board.IsCandidate(c, r, d)) {
                            cells.Add(c, r);
                        }
                    }
                }
                if (cells.count != 2 && cells.count != 3) {
                    continue;
                }
                bool sameRow = true;
                bool sameCol = true;
                for (int i = 1; i < cells.count; ++i) {
                    sameRow = sameRow && cells.row[i] == cells.row[0];
                    sameCol = sameCol && cells.col[i] == cells.col[0];
                }
                for (int k = 0; k < 9; ++k) {
                    const int r = cells.row[0];
                    if (sameRow && board.IsCandidate(k, r, d) && !cells.Contains(k, r)) {
                        ClearFlag(board, k, r, d);
                    }
                }
                for (int k = 0; k < 9; ++k) {
                    const int c = cells.col[0];
                    if (sameCol && board.IsCandidate(c, k, d) && !cells.Contains(c, k)) {
                        ClearFlag(board, c, k, d);
                    }
                }
            }
        }
    }
}

// Clears the pivot's candidates from every empty cell of the list of cells that is not in the
// subset, if the subset has exactly n cells.
inline void ClearOutside(CBoard& board, int pc, int pr, int n, const Cells& subset,
                         const Cells& unit) {
    if (subset.count != n) {
        return;
    }
    for (int i = 0; i < unit.count; ++i) {
        const int c = unit.col[i];
        const int r = unit.row[i];
        if (board.Value(c, r) != 0 || subset.Contains(c, r)) {
            continue;
        }
        for (unsigned char d = 1; d <= 9; ++d) {
            if (board.IsCandidate(pc, pr, d)) {
                ClearFlag(board, c, r, d);
            }
        }
    }
}

inline void ApplyNakedSubsets(CBoard& board) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int n = board.CandidateCount(c, r);
            if (n < 2 || n > 4) {
                continue;
            }
            Cells row, rowSubset, column, columnSubset, box, boxSubset;
            rowSubset.Add(c, r);
            columnSubset.Add(c, r);
            boxSubset.Add(c, r);
            for (int k = 0; k < 9; ++k) {
                row.Add(k, r);
                column.Add(c, k);
                box.Add(3 * (c / 3) + k % 3, 3 * (r / 3) + k / 3);
            }
            for (int k = c + 1; k < 9; ++k) {
                if (board.SameCandidates(c, r, k, r)) {
                    rowSubset.Add(k, r);
                }
            }
            ClearOutside(board, c, r, n, rowSubset, row);
            for (int k = r + 1; k < 9; ++k) {
                if (board.SameCandidates(c, r, c, k)) {
                    columnSubset.Add(c, k);
                }
            }
            ClearOutside(board, c, r, n, columnSubset, column);
            for (int i = 0; i < 9; ++i) {
                const bool pivot = box.col[i] == c && box.row[i] == r;
                if (!pivot && board.SameCandidates(c, r, box.col[i], box.row[i])) {
                    boxSubset.Add(box.col[i], box.row[i]);
                }
            }
            ClearOutside(board, c, r, n, boxSubset, box);
        }
    }
}

inline void ApplyBoxHiddenSingles(CBoard& board) {
    for (unsigned char d = 1; d <= 9; ++d) {
        for (int r0 = 0; r0 < 9; r0 += 3) {
            for (int c0 = 0; c0 < 9; c0 += 3) {
                Cells cells;
                for (int r = r0; r < r0 + 3; ++r) {
                    for (int c = c0; c < c0 + 3; ++c) {
                        if (board.IsCandidate(c, r, d)) {
                            cells.Add(c, r);
                        }
                    }
                }
                if (cells.count == 1) {
                    Place(board, cells.col[0], cells.row[0], d);
                }
            }
        }
    }
}

inline void ApplyNakedSingles(CBoard& board) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (board.CandidateCount(c, r) != 1) {
                continue;
            }
            unsigned char digit = 0;
            for (unsigned char d = 1; d <= 9; ++d) {
                digit = board.IsCandidate(c, r, d) ? d : digit;
            }
            Place(board, c, r, digit);
        }
    }
}

} // namespace reference

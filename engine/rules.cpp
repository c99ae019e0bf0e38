#include "rules.h"

namespace {

// The cells a rule collects within one unit; a unit never has more than nine.
class CellList {
public:
    void Add(CellPos cell) { m_cells[m_count++] = cell; }
    int Count() const { return m_count; }
    const CellPos& operator[](int i) const { return m_cells[i]; }

    bool Contains(CellPos cell) const {
        for (int i = 0; i < m_count; ++i) {
            if (m_cells[i] == cell) {
                return true;
            }
        }
        return false;
    }

    bool AllInRow(int row) const {
        for (int i = 0; i < m_count; ++i) {
            if (m_cells[i].row != row) {
                return false;
            }
        }
        return true;
    }

    bool AllInColumn(int col) const {
        for (int i = 0; i < m_count; ++i) {
            if (m_cells[i].col != col) {
                return false;
            }
        }
        return true;
    }

private:
    CellPos m_cells[9];
    int m_count = 0;
};

void ClearCandidate(CBoard& board, CellPos cell, unsigned char d) {
    board.m_candidate[81 * cell.col + 9 * cell.row + (d - 1)] = 0;
}

bool IsEmpty(const CBoard& board, CellPos cell) {
    return board.Value(cell.col, cell.row) == 0;
}

// Clears d from every empty cell of the line that still has it and is not in the list.
template <typename CellOfLine>
void ClearFromLine(CBoard& board, const CellList& keep, unsigned char d, CellOfLine cellAt) {
    for (int k = 0; k < 9; ++k) {
        const CellPos cell = cellAt(k);
        if (IsEmpty(board, cell) && board.IsCandidate(cell.col, cell.row, d) &&
            !keep.Contains(cell)) {
            ClearCandidate(board, cell, d);
        }
    }
}

void PointFromBox(CBoard& board, int c0, int r0, unsigned char d) {
    CellList cells;
    for (int r = r0; r < r0 + 3; ++r) {
        for (int c = c0; c < c0 + 3; ++c) {
            if (board.Value(c, r) == 0 && board.IsCandidate(c, r, d)) {
                cells.Add({c, r});
            }
        }
    }
    if (cells.Count() != 2 && cells.Count() != 3) {
        return;
    }
    const int row = cells[0].row;
    if (cells.AllInRow(row)) {
        ClearFromLine(board, cells, d, [row](int k) { return CellPos{k, row}; });
    }
    const int col = cells[0].col;
    if (cells.AllInColumn(col)) {
        ClearFromLine(board, cells, d, [col](int k) { return CellPos{col, k}; });
    }
}

// Takes every candidate of the pivot from the empty cells outside the subset.
void ClearPivotCandidates(CBoard& board, CellPos pivot, const CellList& subset, CellPos cell) {
    if (!IsEmpty(board, cell) || subset.Contains(cell)) {
        return;
    }
    for (unsigned char d = 1; d <= 9; ++d) {
        if (board.IsCandidate(pivot.col, pivot.row, d)) {
            ClearCandidate(board, cell, d);
        }
    }
}

bool SameAsPivot(const CBoard& board, CellPos pivot, CellPos cell) {
    return board.SameCandidates(pivot.col, pivot.row, cell.col, cell.row);
}

void NakedSubsetInRow(CBoard& board, CellPos pivot, int n) {
    CellList subset;
    subset.Add(pivot);
    for (int c2 = pivot.col + 1; c2 < 9; ++c2) {
        if (SameAsPivot(board, pivot, {c2, pivot.row})) {
            subset.Add({c2, pivot.row});
        }
    }
    if (subset.Count() == n) {
        for (int k = 0; k < 9; ++k) {
            ClearPivotCandidates(board, pivot, subset, {k, pivot.row});
        }
    }
}

void NakedSubsetInColumn(CBoard& board, CellPos pivot, int n) {
    CellList subset;
    subset.Add(pivot);
    for (int r2 = pivot.row + 1; r2 < 9; ++r2) {
        if (SameAsPivot(board, pivot, {pivot.col, r2})) {
            subset.Add({pivot.col, r2});
        }
    }
    if (subset.Count() == n) {
        for (int k = 0; k < 9; ++k) {
            ClearPivotCandidates(board, pivot, subset, {pivot.col, k});
        }
    }
}

void NakedSubsetInBox(CBoard& board, CellPos pivot, int n) {
    const int c0 = 3 * (pivot.col / 3);
    const int r0 = 3 * (pivot.row / 3);
    CellList subset;
    subset.Add(pivot);
    for (int r = r0; r < r0 + 3; ++r) {
        for (int c = c0; c < c0 + 3; ++c) {
            const CellPos cell{c, r};
            if (cell != pivot && SameAsPivot(board, pivot, cell)) {
                subset.Add(cell);
            }
        }
    }
    if (subset.Count() == n) {
        for (int r = r0; r < r0 + 3; ++r) {
            for (int c = c0; c < c0 + 3; ++c) {
                ClearPivotCandidates(board, pivot, subset, {c, r});
            }
        }
    }
}

void PlaceIfOnlyCellInBox(CBoard& board, int c0, int r0, unsigned char d) {
    int count = 0;
    CellPos last{0, 0};
    for (int r = r0; r < r0 + 3; ++r) {
        for (int c = c0; c < c0 + 3; ++c) {
            if (board.IsCandidate(c, r, d)) {
                ++count;
                last = {c, r};
            }
        }
    }
    if (count == 1) {
        board.Place(last.col, last.row, d);
    }
}

} // namespace

void ApplyPointing(CBoard& board) {
    for (int r0 = 0; r0 < 9; r0 += 3) {
        for (int c0 = 0; c0 < 9; c0 += 3) {
            for (unsigned char d = 1; d <= 9; ++d) {
                PointFromBox(board, c0, r0, d);
            }
        }
    }
}

void ApplyNakedSubsets(CBoard& board) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int n = board.CandidateCount(c, r);
            if (n < 2 || n > 4) {
                continue;
            }
            NakedSubsetInRow(board, {c, r}, n);
            NakedSubsetInColumn(board, {c, r}, n);
            NakedSubsetInBox(board, {c, r}, n);
        }
    }
}

void ApplyBoxHiddenSingles(CBoard& board) {
    for (unsigned char d = 1; d <= 9; ++d) {
        for (int r0 = 0; r0 < 9; r0 += 3) {
            for (int c0 = 0; c0 < 9; c0 += 3) {
                PlaceIfOnlyCellInBox(board, c0, r0, d);
            }
        }
    }
}

void ApplyNakedSingles(CBoard& board) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (board.CandidateCount(c, r) != 1) {
                continue;
            }
            unsigned char digit = 0;
            for (unsigned char d = 1; d <= 9; ++d) {
                if (board.IsCandidate(c, r, d)) {
                    digit = d;
                }
            }
            board.Place(c, r, digit);
        }
    }
}

void RunRulesToFixpoint(CBoard& board) {
    Crc32 before;
    do {
        before = board.IdentityCrc();
        ApplyPointing(board);
        ApplyNakedSubsets(board);
        ApplyBoxHiddenSingles(board);
        ApplyNakedSingles(board);
    } while (board.IdentityCrc() != before);
}

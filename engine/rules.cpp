#include "rules.h"

#include "candidate_sets.h"

#include <array>

// Every pass below works on the candidate sets of all cells at once where the order of the
// steps cannot change the outcome, and keeps the stated order wherever it can.
namespace {

// The digits of line i of a box that its other two lines lack.
DigitSet OnlyIn(const DigitSet (&lines)[3], int i) {
    return lines[i] & static_cast<DigitSet>(~(lines[(i + 1) % 3] | lines[(i + 2) % 3]));
}

// Takes the digits from the cells of a line that lie outside the box's stretch of it.
template <typename CellAt>
void RemoveOutsideBox(CandidateSets& sets, DigitSet digits, int boxStart, CellAt cellAt) {
    if (digits == 0) {
        return;
    }
    for (int k = 0; k < 9; ++k) {
        if (k < boxStart || k >= boxStart + 3) {
            sets.Remove(cellAt(k), digits);
        }
    }
}

// Pointing from one box. The clears for one digit touch only that digit outside the box, so
// the nine digits of a box can be judged together from the box as it stands.
void PointFromBox(CandidateSets& sets, int c0, int r0) {
    DigitSet inRow[3] = {};
    DigitSet inColumn[3] = {};
    DigitSet atLeastOnce = 0;
    DigitSet atLeastTwice = 0;
    DigitSet atLeastThrice = 0;
    DigitSet atLeastFourTimes = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const DigitSet digits = sets.Of({c0 + j, r0 + i});
            inRow[i] |= digits;
            inColumn[j] |= digits;
            atLeastFourTimes |= atLeastThrice & digits;
            atLeastThrice |= atLeastTwice & digits;
            atLeastTwice |= atLeastOnce & digits;
            atLeastOnce |= digits;
        }
    }
    const DigitSet twoOrThreeCells = atLeastTwice & static_cast<DigitSet>(~atLeastFourTimes);
    if (twoOrThreeCells == 0) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        RemoveOutsideBox(sets, twoOrThreeCells & OnlyIn(inRow, i), c0, [&](int k) {
            return CellPos{k, r0 + i};
        });
        RemoveOutsideBox(sets, twoOrThreeCells & OnlyIn(inColumn, i), r0, [&](int k) {
            return CellPos{c0 + i, k};
        });
    }
}

// How many cells of each unit (rows, then columns, then boxes) have each candidate set. A pivot
// of n digits can only form a subset in a unit that has at least n cells with its set, so most
// pivots are dismissed by a lookup. The counts live in a zeroed table of the thread's and are
// zeroed again on leaving: the entries in use are exactly those of the cells' present sets.
class UnitSetCounts {
public:
    explicit UnitSetCounts(const CandidateSets& sets) : m_sets(sets) {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                Add({c, r}, sets.Of({c, r}), 1);
            }
        }
    }

    ~UnitSetCounts() {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const DigitSet digits = m_sets.Of({c, r});
                for (int unit : UnitsOf({c, r})) {
                    Table()[unit][digits] = 0;
                }
            }
        }
    }

    UnitSetCounts(const UnitSetCounts&) = delete;
    UnitSetCounts& operator=(const UnitSetCounts&) = delete;

    int InRow(int r, DigitSet digits) const { return Table()[r][digits]; }
    int InColumn(int c, DigitSet digits) const { return Table()[9 + c][digits]; }
    int InBox(CellPos cell, DigitSet digits) const {
        return Table()[18 + 3 * (cell.row / 3) + cell.col / 3][digits];
    }

    void Changed(CellPos cell, DigitSet before, DigitSet after) {
        Add(cell, before, -1);
        Add(cell, after, 1);
    }

private:
    using CountTable = unsigned char[27][512];

    static CountTable& Table() {
        thread_local CountTable table = {};
        return table;
    }

    static std::array<int, 3> UnitsOf(CellPos cell) {
        return {cell.row, 9 + cell.col, 18 + 3 * (cell.row / 3) + cell.col / 3};
    }

    void Add(CellPos cell, DigitSet digits, int amount) {
        for (int unit : UnitsOf(cell)) {
            Table()[unit][digits] = static_cast<unsigned char>(Table()[unit][digits] + amount);
        }
    }

    const CandidateSets& m_sets;
};

void RemoveCounted(CandidateSets& sets, UnitSetCounts& counts, CellPos cell, DigitSet digits) {
    const DigitSet before = sets.Of(cell);
    sets.Remove(cell, digits);
    if (sets.Of(cell) != before) {
        counts.Changed(cell, before, sets.Of(cell));
    }
}

// The subset of a pivot is the pivot and the cells with exactly its candidates, in a row or
// column only those after it. A cell outside the subset that loses the pivot's digits can never
// come to equal the pivot, so membership can be told from the sets while clearing.
template <typename CellAt>
void ClearOutsideLineSubset(CandidateSets& sets, UnitSetCounts& counts, CellPos pivot,
                            int pivotIndex, int n, CellAt cellAt) {
    const DigitSet digits = sets.Of(pivot);
    int members = 1;
    for (int k = pivotIndex + 1; k < 9; ++k) {
        members += sets.Of(cellAt(k)) == digits ? 1 : 0;
    }
    if (members != n) {
        return;
    }
    for (int k = 0; k < 9; ++k) {
        const bool member = k == pivotIndex || (k > pivotIndex && sets.Of(cellAt(k)) == digits);
        if (!member) {
            RemoveCounted(sets, counts, cellAt(k), digits);
        }
    }
}

void ClearOutsideBoxSubset(CandidateSets& sets, UnitSetCounts& counts, CellPos pivot) {
    const DigitSet digits = sets.Of(pivot);
    const int c0 = 3 * (pivot.col / 3);
    const int r0 = 3 * (pivot.row / 3);
    for (int r = r0; r < r0 + 3; ++r) {
        for (int c = c0; c < c0 + 3; ++c) {
            if (sets.Of({c, r}) != digits) {
                RemoveCounted(sets, counts, {c, r}, digits);
            }
        }
    }
}

void PointingPass(CandidateSets& sets) {
    for (int r0 = 0; r0 < 9; r0 += 3) {
        for (int c0 = 0; c0 < 9; c0 += 3) {
            PointFromBox(sets, c0, r0);
        }
    }
}

void NakedSubsetsPass(CandidateSets& sets) {
    UnitSetCounts counts(sets);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const DigitSet digits = sets.Of({c, r});
            const int n = CountOf(digits);
            if (n < 2 || n > 4) {
                continue;
            }
            if (counts.InRow(r, digits) >= n) {
                ClearOutsideLineSubset(sets, counts, {c, r}, c, n, [r](int k) {
                    return CellPos{k, r};
                });
            }
            if (counts.InColumn(c, digits) >= n) {
                ClearOutsideLineSubset(sets, counts, {c, r}, r, n, [c](int k) {
                    return CellPos{c, k};
                });
            }
            if (counts.InBox({c, r}, digits) == n) {
                ClearOutsideBoxSubset(sets, counts, {c, r});
            }
        }
    }
}

void BoxHiddenSinglesPass(CandidateSets& sets) {
    const CellPlanes& planes = CellPlanes::Get();
    for (unsigned char d = 1; d <= 9; ++d) {
        for (int box = 0; box < 9; ++box) {
            const CellPlane cells = sets.CellsWith(d) & planes.box[box];
            if (cells.HasExactlyOne()) {
                sets.Place(CellOfValueIndex(cells.OnlyCell()), d);
            }
        }
    }
}

void NakedSinglesPass(CandidateSets& sets) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const DigitSet digits = sets.Of({c, r});
            if (CountOf(digits) == 1) {
                sets.Place({c, r}, LowestDigit(digits));
            }
        }
    }
}

template <typename Pass> void ApplyPass(CBoard& board, Pass pass) {
    CandidateSets sets(board);
    pass(sets);
    if (sets.TakePlaced()) {
        board.Rehash();
    }
}

} // namespace

void ApplyPointing(CBoard& board) {
    ApplyPass(board, PointingPass);
}

void ApplyNakedSubsets(CBoard& board) {
    ApplyPass(board, NakedSubsetsPass);
}

void ApplyBoxHiddenSingles(CBoard& board) {
    ApplyPass(board, BoxHiddenSinglesPass);
}

void ApplyNakedSingles(CBoard& board) {
    ApplyPass(board, NakedSinglesPass);
}

// One view of the candidates serves every sweep. The hash fields are a function of the values
// alone: between sweeps only the identity CRC is brought up to date, for the fixpoint test, and
// the whole re-hash is made once at the end. That leaves the same record as a re-hash after every
// placement.
bool RunRulesToFixpointUnlessStuck(CBoard& board) {
    using Pass = void (*)(CandidateSets&);
    static constexpr Pass kSweep[] = {PointingPass, NakedSubsetsPass, BoxHiddenSinglesPass,
                                      NakedSinglesPass};
    CandidateSets sets(board);
    bool placed = false;
    Crc32 before;
    do {
        before = board.IdentityCrc();
        for (Pass pass : kSweep) {
            if (sets.Stuck()) {
                return false;
            }
            pass(sets);
        }
        if (sets.TakePlaced()) {
            placed = true;
            board.m_imageCrc[0] = CrcOf(board.m_value, sizeof board.m_value);
        }
    } while (board.IdentityCrc() != before);
    if (placed) {
        board.Rehash();
    }
    return true;
}

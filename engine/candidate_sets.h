#pragma once

#include "board.h"
#include "cell_plane.h"

#include <array>
#include <cassert>
#include <cstdint>

// A set of digits: bit d - 1 for digit d.
using DigitSet = std::uint16_t;

inline DigitSet DigitBit(unsigned char d) {
    return static_cast<DigitSet>(1u << (d - 1));
}

inline int CountOf(DigitSet digits) {
    static constexpr std::array<unsigned char, 512> kCounts = [] {
        std::array<unsigned char, 512> counts{};
        for (unsigned i = 1; i < 512; ++i) {
            counts[i] = static_cast<unsigned char>(counts[i >> 1] + (i & 1));
        }
        return counts;
    }();
    return kCounts[digits];
}

// The lowest digit of a set that is not empty.
inline unsigned char LowestDigit(DigitSet digits) {
    assert(digits != 0);
    return static_cast<unsigned char>(1 + CountOf(static_cast<DigitSet>((digits & -digits) - 1)));
}

// The candidates of every cell of a board as a set of digits (empty for a filled cell), kept in
// step with the board while the rules clear flags and place digits, so that testing, comparing
// and counting candidates cost one operation each. Of() answers as CBoard::IsCandidate,
// SameCandidates and CandidateCount do. Digits are placed without re-hashing; whoever placed
// them re-hashes before the hash fields are read again.
class CandidateSets {
public:
    explicit CandidateSets(CBoard& board) : m_board(board) {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                Take(board, c, r);
            }
        }
    }

    DigitSet Of(CellPos cell) const { return m_sets[ValueIndex(cell.col, cell.row)]; }

    // The cells that have digit d as a candidate.
    const CellPlane& CellsWith(unsigned char d) const { return m_planes[d - 1]; }

    // Sets the flags of those of the digits that are candidates of the cell to 0.
    void Remove(CellPos cell, DigitSet digits) {
        const int index = ValueIndex(cell.col, cell.row);
        DigitSet& set = m_sets[index];
        digits &= set;
        if (digits == 0) {
            return;
        }
        unsigned char* flags = &m_board.m_candidate[FlagIndex(cell.col, cell.row, 1)];
        for (int bit = 0; bit < 9; ++bit) {
            if (digits & (1u << bit)) {
                flags[bit] = 0;
                m_planes[bit].Remove(CellPlane::Of(index));
            }
        }
        set &= static_cast<DigitSet>(~digits);
        m_stuck = m_stuck || set == 0;
    }

    // Places a candidate digit; its peers lose it as their flags do.
    void Place(CellPos cell, unsigned char d) {
        assert(Of(cell) & DigitBit(d));
        m_board.PlaceWithoutRehash(cell.col, cell.row, d);
        const int index = ValueIndex(cell.col, cell.row);
        m_sets[index] = 0;
        for (int k = 0; k < 9; ++k) {
            TakeFromPeer(ValueIndex(k, cell.row), d);
            TakeFromPeer(ValueIndex(cell.col, k), d);
        }
        const int c0 = 3 * (cell.col / 3);
        const int r0 = 3 * (cell.row / 3);
        for (int c = c0; c < c0 + 3; ++c) {
            for (int r = r0; r < r0 + 3; ++r) {
                TakeFromPeer(ValueIndex(c, r), d);
            }
        }
        m_planes[d - 1].Remove(CellPlanes::Get().peers[index]);
        for (CellPlane& plane : m_planes) {
            plane.Remove(CellPlane::Of(index));
        }
        m_placed = true;
    }

    // Whether some empty cell has no candidate left. Sets only ever shrink, so such a cell stays
    // empty: whatever the rules do next, the position ends as a dead end.
    bool Stuck() const { return m_stuck; }

    // Whether a digit was placed since the last call.
    bool TakePlaced() {
        const bool placed = m_placed;
        m_placed = false;
        return placed;
    }

private:
    // Reads the flags of cell (c, r) into its set and the planes.
    void Take(const CBoard& board, int c, int r) {
        const int index = ValueIndex(c, r);
        const bool empty = board.m_value[index] == 0;
        DigitSet digits = 0;
        if (empty) {
            const unsigned char* flags = &board.m_candidate[FlagIndex(c, r, 1)];
            for (int bit = 0; bit < 9; ++bit) {
                digits |= static_cast<DigitSet>(flags[bit] << bit);
            }
        }
        m_sets[index] = digits;
        m_stuck = m_stuck || (digits == 0 && empty);
        for (int bit = 0; bit < 9; ++bit) {
            if (digits & (1u << bit)) {
                m_planes[bit] |= CellPlane::Of(index);
            }
        }
    }

    // A filled cell's set is already empty; an empty cell left with none is stuck.
    void TakeFromPeer(int index, unsigned char d) {
        DigitSet& set = m_sets[index];
        m_stuck = m_stuck || set == DigitBit(d);
        set &= static_cast<DigitSet>(~DigitBit(d));
    }

    CBoard& m_board;
    DigitSet m_sets[81];   // in storage order
    CellPlane m_planes[9]; // m_planes[d - 1]: the cells with candidate d
    bool m_placed = false;
    bool m_stuck = false;
};

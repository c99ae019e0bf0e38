#pragma once

#include "cells.h"

#include <array>
#include <cassert>
#include <cstdint>

// A set of cells as 81 bits, bit ValueIndex(c, r) for cell (c, r), in two words.
struct CellPlane {
    std::uint64_t low = 0;  // cells 0 to 63
    std::uint64_t high = 0; // cells 64 to 80

    // The plane of the one cell at element index of the storage order.
    static CellPlane Of(int index) {
        CellPlane plane;
        (index < 64 ? plane.low : plane.high) |= std::uint64_t{1} << (index & 63);
        return plane;
    }

    CellPlane operator&(const CellPlane& other) const {
        return {low & other.low, high & other.high};
    }
    CellPlane& operator|=(const CellPlane& other) {
        low |= other.low;
        high |= other.high;
        return *this;
    }
    void Remove(const CellPlane& cells) {
        low &= ~cells.low;
        high &= ~cells.high;
    }

    bool HasExactlyOne() const {
        return (low != 0) != (high != 0) && ((low & (low - 1)) | (high & (high - 1))) == 0;
    }
    // The storage index of the cell of a plane that has exactly one.
    int OnlyCell() const {
        assert(HasExactlyOne());
        return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(high);
    }
};

// The cells of box b (boxes numbered row by row), and the peers of each cell with the cell, by
// the cell's storage index.
struct CellPlanes {
    std::array<CellPlane, 9> box;
    std::array<CellPlane, 81> peers;

    static const CellPlanes& Get() {
        static const CellPlanes planes = Make();
        return planes;
    }

private:
    static CellPlanes Make() {
        CellPlanes planes{};
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                planes.box[3 * (r / 3) + c / 3] |= CellPlane::Of(ValueIndex(c, r));
                for (int c2 = 0; c2 < 9; ++c2) {
                    for (int r2 = 0; r2 < 9; ++r2) {
                        const bool peer =
                            c2 == c || r2 == r || (c2 / 3 == c / 3 && r2 / 3 == r / 3);
                        if (peer) {
                            planes.peers[ValueIndex(c, r)] |= CellPlane::Of(ValueIndex(c2, r2));
                        }
                    }
                }
            }
        }
        return planes;
    }
};

#pragma once

#include "engine/board.h"
#include "tests/engine/reference_crc.h"

#include <algorithm>
#include <array>
#include <cstring>

// The re-hash step by step as it is defined: the grid is turned and flipped in place, each
// image's CRC computed by running the CRC over it (bit by bit unless another form of the CRC is
// given), then the values put back and the sorted CRCs folded.
using CrcFunction = Crc32 (*)(Crc32 reg, const unsigned char* bytes, std::size_t length);

// The program's table-driven CRC in the form above.
inline Crc32 TableCrc(Crc32 reg, const unsigned char* bytes, std::size_t length) {
    CrcUpdate(reg, bytes, length);
    return reg;
}

inline void ReferenceRehash(CBoard& board, CrcFunction crc = ReferenceCrcUpdate) {
    auto crcOfValues = [&] { return crc(kCrcStart, board.m_value, 81); };
    auto rotate = [&] {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                board.m_imageValue[ValueIndex(8 - r, c)] = board.m_value[ValueIndex(c, r)];
            }
        }
        std::memcpy(board.m_value, board.m_imageValue, 81);
    };
    auto flip = [&] {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                board.m_imageValue[ValueIndex(c, 8 - r)] = board.m_value[ValueIndex(c, r)];
            }
        }
        std::memcpy(board.m_value, board.m_imageValue, 81);
    };
    board.m_crc = crcOfValues();
    board.m_imageCrc[0] = board.m_crc;
    std::memcpy(board.m_savedValue, board.m_value, 81);
    for (int k = 1; k < 8; ++k) {
        rotate();
        if (k == 4) {
            flip(); // the fourth turn brought the grid back to its stored orientation
        }
        board.m_crc = crcOfValues();
        board.m_imageCrc[k] = board.m_crc;
    }
    std::memcpy(board.m_value, board.m_savedValue, 81);
    Crc32 sorted[8];
    std::copy(board.m_imageCrc, board.m_imageCrc + 8, sorted);
    std::sort(sorted, sorted + 8);
    board.m_fingerprint = kCrcStart;
    for (Crc32 entry : sorted) {
        const std::array<unsigned char, 4> bytes = BytesOf(entry);
        board.m_fingerprint = crc(board.m_fingerprint, bytes.data(), bytes.size());
    }
}

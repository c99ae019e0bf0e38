#pragma once

#include "engine/board.h"

#include <string>

// A board set up from 81 characters row by row ('0' or '.' empty), the way puzzles are written.
inline CBoard BoardFromRows(const std::string& rows) {
    CBoard board;
    board.Init();
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const char ch = rows[static_cast<std::size_t>(9 * r + c)];
            board.Place(c, r, static_cast<unsigned char>(ch == '.' ? 0 : ch - '0'));
        }
    }
    return board;
}

// The cell values row by row, '0' for empty.
inline std::string RowsOf(const CBoard& board) {
    std::string rows;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            rows += static_cast<char>('0' + board.Value(c, r));
        }
    }
    return rows;
}

// Sets exactly the given candidates of an empty cell.
inline void SetCandidates(CBoard& board, int c, int r, std::initializer_list<int> digits) {
    for (int d = 1; d <= 9; ++d) {
        board.m_candidate[FlagIndex(c, r, d)] = 0;
    }
    for (int d : digits) {
        board.m_candidate[FlagIndex(c, r, d)] = 1;
    }
}

#pragma once

#include "engine/board.h"

#include <initializer_list>

inline CBoard EmptyBoard() {
    CBoard board;
    board.Init();
    return board;
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

#include "rows.h"

#include <cassert>

void PlaceRows(CBoard& board, const unsigned char* rows) {
    // The subtraction wraps like the unsigned byte it is, so anything but '1'..'9' is refused by
    // Place.
    unsigned char grid[81];
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            grid[ValueIndex(c, r)] = static_cast<unsigned char>(rows[ReadingIndex(c, r)] - '0');
        }
    }
    board.PlaceGrid(grid);
}

CBoard BoardFromRows(const std::string& rows) {
    assert(rows.size() >= 81);
    CBoard board;
    board.Init();
    PlaceRows(board, reinterpret_cast<const unsigned char*>(rows.data()));
    return board;
}

std::string RowsOf(const CBoard& board) {
    std::string rows(81, '0');
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            rows[static_cast<std::size_t>(ReadingIndex(c, r))] =
                static_cast<char>('0' + board.Value(c, r));
        }
    }
    return rows;
}

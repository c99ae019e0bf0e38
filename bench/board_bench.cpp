// Prints the cost of a placement (with its re-hash) and of one sweep of the four rules.
// Built twice: over the table CRC and over the bit-serial reference.
#include "engine/board.h"
#include "engine/rules.h"

#include <chrono>
#include <cstdio>

#ifndef KESTROVA_CRC_NAME
#define KESTROVA_CRC_NAME "table"
#endif

namespace {

const char kPuzzle[] =
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000";

CBoard PuzzleBoard() {
    CBoard board;
    board.Init();
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            board.Place(c, r, static_cast<unsigned char>(kPuzzle[9 * r + c] - '0'));
        }
    }
    return board;
}

template <typename Work> double NanosecondsPerCall(int calls, Work work) {
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        work(i);
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - begin;
    return elapsed.count() / calls;
}

} // namespace

int main() {
    const CBoard puzzle = PuzzleBoard();
    CBoard board = puzzle;
    unsigned sink = 0;
    const double place = NanosecondsPerCall(200000, [&](int i) {
        board = puzzle;
        sink += board.Place(i % 9, (i / 9) % 9, static_cast<unsigned char>(1 + i % 9));
    });
    const double sweep = NanosecondsPerCall(20000, [&](int i) {
        board = puzzle;
        board.Place(0, 0, static_cast<unsigned char>(4 + i % 2));
        ApplyPointing(board);
        ApplyNakedSubsets(board);
        ApplyBoxHiddenSingles(board);
        ApplyNakedSingles(board);
        sink += board.IdentityCrc();
    });
    std::printf("%-10s CBoard::Place with re-hash: %8.0f ns\n", KESTROVA_CRC_NAME, place);
    std::printf("%-10s one sweep of the four rules (with the placement before it): %8.0f ns\n",
                KESTROVA_CRC_NAME, sweep);
    return sink == 1 ? 1 : 0;
}

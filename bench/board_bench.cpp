// Prints the cost of a placement with its re-hash, of the re-hash in its three forms, and of
// one sweep of the four rules.
#include "engine/board.h"
#include "engine/rules.h"
#include "tests/engine/board_text.h"
#include "tests/engine/reference_rehash.h"

#include <chrono>
#include <cstdio>

namespace {

const char kPuzzle[] =
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000";

template <typename Work> void Report(const char* what, int calls, Work work) {
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        work(i);
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - begin;
    std::printf("%-62s %9.0f ns\n", what, elapsed.count() / calls);
}

} // namespace

int main() {
    const CBoard puzzle = BoardFromRows(kPuzzle);
    CBoard board = puzzle;
    Report("CBoard::Place with its re-hash (program)", 200000, [&](int i) {
        board = puzzle;
        board.Place(i % 9, (i / 9) % 9, static_cast<unsigned char>(1 + i % 9));
    });
    Report("re-hash from per-cell contribution tables (program)", 200000,
           [&](int) { board.Rehash(); });
    Report("re-hash step by step, table CRC", 100000,
           [&](int) { ReferenceRehash(board, TableCrc); });
    Report("re-hash step by step, bit-serial CRC", 20000,
           [&](int) { ReferenceRehash(board, ReferenceCrcUpdate); });
    Report("one sweep of the four rules after a placement", 20000, [&](int i) {
        board = puzzle;
        board.Place(0, 0, static_cast<unsigned char>(4 + i % 2));
        ApplyPointing(board);
        ApplyNakedSubsets(board);
        ApplyBoxHiddenSingles(board);
        ApplyNakedSingles(board);
    });
    return board.IdentityCrc() == 0 ? 1 : 0;
}

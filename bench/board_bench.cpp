// Prints the cost of a placement with its re-hash, of the re-hash in its three forms, and of
// one sweep of the four rules. Each is warmed up, then timed in several runs, printed as the
// least and the median of them.
#include "bench_support.h"
#include "engine/board.h"
#include "engine/rows.h"
#include "engine/rules.h"
#include "tests/engine/reference_rehash.h"

#include <cstdio>
#include <vector>

namespace {

const char kPuzzle[] =
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000";

constexpr int kRuns = 7;

// The time of one call of work, in nanoseconds: the calls are repeated in runs after a run that
// warms the caches up.
template <typename Work> void Report(const char* what, int calls, Work work) {
    std::vector<double> runs;
    for (int run = 0; run <= kRuns; ++run) {
        const auto begin = bench::Clock::now();
        for (int i = 0; i < calls; ++i) {
            work(i);
        }
        if (run > 0) {
            runs.push_back(bench::MillisecondsBetween(begin, bench::Clock::now()) * 1e6 / calls);
        }
    }
    const bench::Spread spread = bench::SpreadOf(runs);
    std::printf("%-54s %8.0f / %8.0f ns\n", what, spread.min, spread.median);
}

} // namespace

int main() {
    bench::PrintBuild("board_bench");
    std::printf("one call, %d runs (least / median):\n", kRuns);
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

// Prints what the search costs over the puzzle library on one core, as percentiles of SOLVE and
// PROVE times per puzzle, the time to prove the whole library, and the cost of the start-up
// check of the library. After a warm-up, every figure is measured in several runs and printed as
// the least and the median of them.
//
// search_bench [LIBRARY] [--first N] [--runs R]
#include "bench_support.h"
#include "library_crc.h"
#include "sources/library.h"
#include "tools/cli/batch_search.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Spread;

// The goals set for the search when it was made fast, on one core of the project's machine: a
// SOLVE answers at once and a PROVE of a typical puzzle well within a frame of the screen, no
// PROVE of the library makes the user wait noticeably, the whole library can be proved in a
// few minutes, and the start-up check does not delay the first board.
constexpr double kSolveP50GoalMs = 0.1;
constexpr double kProveP50GoalMs = 5;
constexpr double kProveMaxGoalMs = 100;
constexpr double kLibraryProofGoalS = 300;
constexpr double kLibraryCheckGoalMs = 5;

constexpr int kDefaultRuns = 3;
constexpr std::size_t kWarmUpPuzzles = 100;
constexpr int kLibraryCheckRuns = 20;

std::vector<std::string> LibraryLines(const std::string& path, std::size_t first) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; lines.size() < first && std::getline(file, line);) {
        lines.push_back(line.substr(0, 81));
    }
    return lines;
}

// One run over the puzzles: the time of each, and the slowest.
struct RunFigures {
    std::vector<double> ms;
    double totalS = 0;
    std::size_t slowestLine = 0;
};

RunFigures SearchAll(const std::vector<std::string>& lines, bool stopAtFirst) {
    CBatchSearch search;
    RunFigures run;
    double slowestMs = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double ms = search.Run(static_cast<int>(i), lines[i], stopAtFirst).milliseconds;
        if (ms > slowestMs) {
            slowestMs = ms;
            run.slowestLine = i;
        }
        run.ms.push_back(ms);
        run.totalS += ms / 1000;
    }
    return run;
}

// A figure of every run, spread over the runs.
template <typename Figure> Spread Over(const std::vector<RunFigures>& runs, Figure figure) {
    std::vector<double> values;
    for (const RunFigures& run : runs) {
        values.push_back(figure(run));
    }
    return bench::SpreadOf(values);
}

Spread PercentileOver(const std::vector<RunFigures>& runs, double fraction) {
    return Over(runs,
                [fraction](const RunFigures& run) { return bench::Percentile(run.ms, fraction); });
}

void PrintSpread(const char* what, Spread spread, const char* unit) {
    std::printf("  %-4s %9.3f / %9.3f %s\n", what, spread.min, spread.median, unit);
}

struct CommandFigures {
    Spread p50;
    Spread max;
    Spread totalS;
};

CommandFigures TimeCommand(const char* what, const std::vector<std::string>& lines,
                           bool stopAtFirst, int runCount) {
    std::vector<RunFigures> runs;
    for (int run = 0; run < runCount; ++run) {
        runs.push_back(SearchAll(lines, stopAtFirst));
    }
    const CommandFigures figures{PercentileOver(runs, 0.5), PercentileOver(runs, 1),
                                 Over(runs, [](const RunFigures& run) { return run.totalS; })};
    std::printf("%s of %zu puzzles, %d runs (least / median):\n", what, lines.size(), runCount);
    PrintSpread("p50", figures.p50, "ms");
    PrintSpread("p90", PercentileOver(runs, 0.9), "ms");
    PrintSpread("p99", PercentileOver(runs, 0.99), "ms");
    PrintSpread("max", figures.max, "ms");
    std::printf("       slowest line in the first run: %zu\n", runs.front().slowestLine);
    PrintSpread("all", figures.totalS, "s");
    return figures;
}

void TimeLibraryCheck(const std::string& path) {
    const auto buffer = std::make_unique<unsigned char[]>(kLibraryLength);
    std::vector<double> runs;
    LibraryStatus status = LibraryStatus::Good;
    for (int run = 0; run <= kLibraryCheckRuns; ++run) {
        const auto begin = bench::Clock::now();
        status = ReadLibraryFile(path, buffer.get(), kLibraryLength, kLibraryCrc);
        // The first run warms the file cache up.
        if (run > 0) {
            runs.push_back(bench::MillisecondsBetween(begin, bench::Clock::now()));
        }
    }
    const Spread check = bench::SpreadOf(runs);
    std::printf("start-up library check (read and CRC of %zu bytes), %d runs: %.3f / %.3f ms, "
                "%s; goal <= %g ms: %s\n",
                kLibraryLength, kLibraryCheckRuns, check.min, check.median,
                status == LibraryStatus::Good ? "good" : "FAILED", kLibraryCheckGoalMs,
                bench::Verdict(check.median <= kLibraryCheckGoalMs));
}

} // namespace

int main(int argc, char** argv) {
    std::string path = KESTROVA_LIBRARY_TEXT;
    std::size_t first = kLibraryLineCount;
    int runs = kDefaultRuns;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--first" && i + 1 < argc) {
            first = static_cast<std::size_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (word == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            path = word;
        }
    }
    const std::vector<std::string> lines = LibraryLines(path, first);
    if (lines.empty()) {
        std::fprintf(stderr, "search_bench: no puzzles in %s\n", path.c_str());
        return 1;
    }
    bench::PrintBuild("search_bench");
    std::printf("%zu library puzzles from %s, one thread\n", lines.size(), path.c_str());
    TimeLibraryCheck(path);
    const std::vector<std::string> warmUp(lines.begin(),
                                          lines.begin() + std::min(kWarmUpPuzzles, lines.size()));
    SearchAll(warmUp, false);

    const CommandFigures solve = TimeCommand("SOLVE", lines, true, runs);
    const CommandFigures prove = TimeCommand("PROVE", lines, false, runs);
    std::printf("goal SOLVE p50 <= %g ms: %s\n", kSolveP50GoalMs,
                bench::Verdict(solve.p50.median <= kSolveP50GoalMs));
    std::printf("goal PROVE p50 <= %g ms: %s; max <= %g ms: %s\n", kProveP50GoalMs,
                bench::Verdict(prove.p50.median <= kProveP50GoalMs), kProveMaxGoalMs,
                bench::Verdict(prove.max.median <= kProveMaxGoalMs));
    if (lines.size() == static_cast<std::size_t>(kLibraryLineCount)) {
        std::printf("goal the library proved in under %g s: %s\n", kLibraryProofGoalS,
                    bench::Verdict(prove.totalS.median < kLibraryProofGoalS));
    }
    return 0;
}

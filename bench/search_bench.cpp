// Prints what the search costs over the puzzle library on one core, as percentiles of SOLVE and
// PROVE times per puzzle, the time to prove the whole library, and the cost of the start-up
// check of the library.
//
// search_bench [LIBRARY] [--first N]
#include "library_crc.h"
#include "sources/library.h"
#include "tools/cli/batch_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point begin) {
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

std::vector<std::string> LibraryLines(const std::string& path, std::size_t first) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; lines.size() < first && std::getline(file, line);) {
        lines.push_back(line.substr(0, 81));
    }
    return lines;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    const std::size_t index = static_cast<std::size_t>(fraction * (sorted.size() - 1) + 0.5);
    return sorted[index];
}

struct Figures {
    std::vector<double> sorted;
    double total = 0;
    std::size_t slowestLine = 0;
};

Figures TimeSearches(const std::vector<std::string>& lines, bool stopAtFirst) {
    CBatchSearch search;
    Figures figures;
    double slowest = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double ms = search.Run(static_cast<int>(i), lines[i], stopAtFirst).milliseconds;
        figures.sorted.push_back(ms);
        figures.total += ms;
        if (ms > slowest) {
            slowest = ms;
            figures.slowestLine = i;
        }
    }
    std::sort(figures.sorted.begin(), figures.sorted.end());
    return figures;
}

void Print(const char* what, const Figures& f, double p50Goal, double maxGoal) {
    std::printf("%-6s p50 %8.3f ms  p90 %8.3f ms  p99 %8.3f ms  max %9.3f ms (line %zu)  "
                "total %8.1f s\n",
                what, Percentile(f.sorted, 0.5), Percentile(f.sorted, 0.9),
                Percentile(f.sorted, 0.99), f.sorted.back(), f.slowestLine, f.total / 1000);
    std::printf("       goal p50 <= %g ms: %s", p50Goal,
                Percentile(f.sorted, 0.5) <= p50Goal ? "met" : "NOT met");
    if (maxGoal > 0) {
        std::printf(", max <= %g ms: %s", maxGoal, f.sorted.back() <= maxGoal ? "met" : "NOT met");
    }
    std::printf("\n");
}

void TimeLibraryCheck(const std::string& path) {
    const auto buffer = std::make_unique<unsigned char[]>(kLibraryLength);
    double best = 1e9;
    LibraryStatus status = LibraryStatus::Good;
    for (int run = 0; run < 20; ++run) {
        const auto begin = Clock::now();
        status = ReadLibraryFile(path, buffer.get(), kLibraryLength, kLibraryCrc);
        best = std::min(best, MillisecondsSince(begin));
    }
    std::printf("start-up library check (read and CRC of %zu bytes): %.3f ms, %s; goal <= 5 ms: "
                "%s\n",
                kLibraryLength, best, status == LibraryStatus::Good ? "good" : "FAILED",
                best <= 5 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv) {
    std::string path = KESTROVA_LIBRARY_TEXT;
    std::size_t first = kLibraryLineCount;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--first" && i + 1 < argc) {
            first = static_cast<std::size_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            path = word;
        }
    }
    const std::vector<std::string> lines = LibraryLines(path, first);
    if (lines.empty()) {
        std::fprintf(stderr, "search_bench: no puzzles in %s\n", path.c_str());
        return 1;
    }
    std::printf("%zu library puzzles from %s, one thread\n", lines.size(), path.c_str());
    TimeLibraryCheck(path);
    Print("SOLVE", TimeSearches(lines, true), 0.1, 0);
    const Figures prove = TimeSearches(lines, false);
    Print("PROVE", prove, 5, 100);
    std::printf("       whole set proved in %.1f s; goal for the library < 300 s: %s\n",
                prove.total / 1000, prove.total < 300000 ? "met" : "NOT met");
    return 0;
}

#pragma once

// What the benchmarks share: percentiles, the spread of a figure over repeated runs, and the
// build that was measured.

#include "build_info.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsBetween(Clock::time_point begin, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

// The value at a fraction (0 to 1) of the sorted values, the nearest rank.
inline double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const double last = static_cast<double>(values.size() - 1);
    return values[static_cast<std::size_t>(fraction * last + 0.5)];
}

// One figure measured in several runs: its least value, the least disturbed by the machine,
// and its median, the typical one.
struct Spread {
    double min;
    double median;
};

inline Spread SpreadOf(const std::vector<double>& runs) {
    return {Percentile(runs, 0), Percentile(runs, 0.5)};
}

inline const char* Verdict(bool met) {
    return met ? "met" : "NOT met";
}

// The compiler, its flags and the commit that were measured, as the first line of the output.
inline void PrintBuild(const char* program) {
    const char* commit = KESTROVA_COMMIT[0] != '\0' ? KESTROVA_COMMIT : "unknown";
    std::printf("%s %s, commit %s; %s %s, flags \"%s\"\n", program, KESTROVA_VERSION, commit,
                KESTROVA_BENCH_COMPILER, __VERSION__, KESTROVA_BENCH_FLAGS);
}

} // namespace bench

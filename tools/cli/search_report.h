#pragma once

#include "engine/board.h"

#include <string>

// What one search of the batch tool reports: the outcome, the position it ends on, and the
// figures that pin down the path it took.
struct SearchReport {
    int lineNumber = 0;
    int solutions = 0;
    CBoard board{};
    int visited = 0;
    int maxDepth = 0;
    long long drains = 0;
    Crc32 traceDigest = kCrcStart;
    double milliseconds = 0;
};

// The header line naming the tab-separated columns.
std::string ReportHeader();

// One tab-separated output line.
std::string FormatReport(const SearchReport& report);

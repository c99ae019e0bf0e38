#include "search_report.h"

#include "engine/rows.h"

#include <cstdio>

std::string ReportHeader() {
    return "#line\tsolutions\tboard\tcrc\tfingerprint\tvisited\tmax_depth\tdrains\ttrace_digest"
           "\tms";
}

std::string FormatReport(const SearchReport& report) {
    char figures[200];
    std::snprintf(figures, sizeof figures, "\t%08X\t%08X\t%d\t%d\t%lld\t%08X\t%.3f",
                  report.board.IdentityCrc(), report.board.m_fingerprint, report.visited,
                  report.maxDepth, report.drains, report.traceDigest, report.milliseconds);
    return std::to_string(report.lineNumber) + "\t" + std::to_string(report.solutions) + "\t" +
           RowsOf(report.board) + figures;
}

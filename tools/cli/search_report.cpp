#include "search_report.h"

#include "sources/library.h"

#include <cstdio>

std::string ReportHeader() {
    return "#line\tsolutions\tboard\tcrc\tfingerprint\tvisited\tmax_depth\tdrains\ttrace_digest"
           "\tms";
}

std::string FormatReport(const SearchReport& report) {
    std::string cells;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            cells += static_cast<char>('0' + report.board.Value(c, r));
        }
    }
    char figures[200];
    std::snprintf(figures, sizeof figures, "\t%08X\t%08X\t%d\t%d\t%lld\t%08X\t%.3f",
                  report.board.IdentityCrc(), report.board.m_fingerprint, report.visited,
                  report.maxDepth, report.drains, report.traceDigest, report.milliseconds);
    return std::to_string(report.lineNumber) + "\t" + std::to_string(report.solutions) + "\t" +
           cells + figures;
}

void SetUpFromRows(CBoard& board, const std::string& rows) {
    board.Init();
    PlaceRows(board, reinterpret_cast<const unsigned char*>(rows.data()));
}

#include "batch_search.h"

#include "engine/rows.h"

#include <chrono>

SearchReport CBatchSearch::Run(int lineNumber, const std::string& rows, bool stopAtFirst) {
    return Run(lineNumber, BoardFromRows(rows), stopAtFirst);
}

SearchReport CBatchSearch::Run(int lineNumber, const CBoard& start, bool stopAtFirst) {
    m_board = start;
    m_start = m_board;
    m_startSaved = true;
    m_stopAtFirst = stopAtFirst;
    m_drains = 0;
    m_digest = kCrcStart;

    const auto begin = std::chrono::steady_clock::now();
    RunSearch();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - begin;

    SearchReport report;
    report.lineNumber = lineNumber;
    report.solutions = m_solutions.GetSize();
    report.board = m_board;
    report.visited = m_visited.GetSize();
    report.maxDepth = MaxDepth();
    report.drains = m_drains;
    report.traceDigest = m_digest;
    report.milliseconds = elapsed.count();
    return report;
}

bool CBatchSearch::DrainMessages() {
    ++m_drains;
    CrcUpdateValue(m_digest, m_board.IdentityCrc());
    return false;
}

#pragma once

#include "engine/search.h"
#include "search_report.h"

#include <string>

// The search with a host that has no window: nothing to drain, paint or save. It counts the
// drains and folds the position at each one into the trace digest.
class CBatchSearch : public CPuzzleSearch {
public:
    // Sets up one puzzle and searches it; stopAtFirst selects SOLVE over PROVE.
    SearchReport Run(int lineNumber, const std::string& rows, bool stopAtFirst);
    // Searches a position set up elsewhere, which is also the start position.
    SearchReport Run(int lineNumber, const CBoard& start, bool stopAtFirst);

protected:
    bool DrainMessages() override;
    void InvalidateAndUpdate() override {}
    void SavePuzzleFile() override {}

private:
    long long m_drains = 0;
    Crc32 m_digest = kCrcStart;
};

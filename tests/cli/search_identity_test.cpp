// The fast search against the plain reference: identical report lines, trace digest included,
// for every puzzle of the identity set.
#include "engine/rows.h"
#include "tests/engine/reference_search.h"
#include "tools/cli/batch_search.h"
#include "tools/cli/puzzle_input.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

SearchReport ReferenceReport(const PuzzleLine& puzzle, bool stopAtFirst) {
    ReferenceSearch search;
    search.board = BoardFromRows(puzzle.rows);
    search.start = search.board;
    search.startSaved = true;
    search.stopAtFirst = stopAtFirst;
    SearchReport report;
    search.onDrain = [&] {
        ++report.drains;
        CrcUpdateValue(report.traceDigest, ReferenceSearch::Key(search.board));
    };
    search.Run();
    report.lineNumber = puzzle.lineNumber;
    report.solutions = static_cast<int>(search.solutions.size());
    report.board = search.board;
    report.visited = static_cast<int>(search.visited.size());
    report.maxDepth = search.maxDepth;
    return report;
}

std::string FastLine(CBatchSearch& search, const PuzzleLine& puzzle, bool stopAtFirst) {
    SearchReport report = search.Run(puzzle.lineNumber, puzzle.rows, stopAtFirst);
    report.milliseconds = 0;
    return FormatReport(report);
}

std::vector<PuzzleLine> IdentityPuzzles() {
    std::ifstream file(KESTROVA_IDENTITY_PUZZLES);
    return ReadPuzzleLines(file).puzzles;
}

TEST(SearchIdentity, CoversTheSpecialCasesAndThirtyLibraryPuzzles) {
    EXPECT_GE(IdentityPuzzles().size(), 41u);
}

// One test per puzzle and command, so that they spread over the test runner's jobs.
class SearchIdentity : public testing::TestWithParam<std::tuple<PuzzleLine, bool>> {};

TEST_P(SearchIdentity, FastSearchReportsWhatTheReferenceReports) {
    const PuzzleLine& puzzle = std::get<0>(GetParam());
    const bool stopAtFirst = std::get<1>(GetParam());
    CBatchSearch search;
    EXPECT_EQ(FormatReport(ReferenceReport(puzzle, stopAtFirst)),
              FastLine(search, puzzle, stopAtFirst));
}

INSTANTIATE_TEST_SUITE_P(Puzzles, SearchIdentity,
                         testing::Combine(testing::ValuesIn(IdentityPuzzles()), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<PuzzleLine, bool>>& info) {
                             return "Line" + std::to_string(std::get<0>(info.param).lineNumber) +
                                    (std::get<1>(info.param) ? "Solve" : "Prove");
                         });

} // namespace

#include "engine/rows.h"
#include "engine/search.h"
#include "tests/engine/reference_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

// Puzzles with 17 givens and one solution.
const char* const kUnique[] = {
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000",
    "000000207100040000000000300002300500060010000040090000900000010003500000000200000",
    "000000108700400000000000000000038600400000070000010000000500064035200000010000000",
    "100000060005003400000000007000160008000090000002000700000000000000002503960000000",
};
// The first of them without its last given: many solutions.
const char kSeveral[] =
    "000000031600020000000070000050108000200000600000300070000040200030500000000000000";
// Row 0 needs a 9 at its end, but column 8 already has one.
const char kContradictory[] =
    "123456780000000009000000000000000000000000000000000000000000000000000000000000000";
const char kSolved[] =
    "924685731671423859385971426457168392293754618168392574519847263832516947746239185";
const std::string kEmpty(81, '0');

// A search host that records what the window would see: the position at every drain, every
// save offer and every repaint.
class RecordingSearch : public CPuzzleSearch {
public:
    std::vector<Crc32> drained;
    std::vector<Crc32> offered;
    int repaints = 0;
    std::function<void(RecordingSearch&)> duringDrain = [](RecordingSearch&) {};

    // Sets up a puzzle and starts the record afresh.
    void SetUp(const std::string& rows, bool stopAtFirst) {
        drained.clear();
        offered.clear();
        m_board = BoardFromRows(rows);
        m_start = m_board;
        m_startSaved = true;
        m_stopAtFirst = stopAtFirst;
    }

protected:
    bool DrainMessages() override {
        drained.push_back(m_board.IdentityCrc());
        duringDrain(*this);
        return true; // as a window that always has something to dispatch
    }
    void InvalidateAndUpdate() override { ++repaints; }
    void SavePuzzleFile() override { offered.push_back(m_board.IdentityCrc()); }
};

std::vector<Crc32> ListOf(const CArray<Crc32, Crc32>& list) {
    std::vector<Crc32> values;
    for (int i = 0; i < list.GetSize(); ++i) {
        values.push_back(list[i]);
    }
    return values;
}

struct ReferenceRun {
    ReferenceSearch search;
    std::vector<Crc32> drained;
    std::vector<Crc32> offered;
};

void RunReference(ReferenceRun& run, const std::string& rows, bool stopAtFirst,
                  const std::function<void(ReferenceSearch&, std::size_t)>& duringDrain) {
    ReferenceSearch& search = run.search;
    search.board = BoardFromRows(rows);
    search.start = search.board;
    search.startSaved = true;
    search.stopAtFirst = stopAtFirst;
    search.onDrain = [&] {
        run.drained.push_back(ReferenceSearch::Key(search.board));
        duringDrain(search, run.drained.size());
    };
    search.onSave = [&] { run.offered.push_back(ReferenceSearch::Key(search.board)); };
    search.Run();
}

void ExpectSameAsReference(const std::string& rows, bool stopAtFirst) {
    ReferenceRun reference;
    RunReference(reference, rows, stopAtFirst, [](ReferenceSearch&, std::size_t) {});
    RecordingSearch search;
    search.SetUp(rows, stopAtFirst);
    search.RunSearch();
    EXPECT_EQ(reference.drained, search.drained);
    EXPECT_EQ(reference.offered, search.offered);
    EXPECT_EQ(reference.search.solutions, ListOf(search.m_solutions));
    EXPECT_EQ(reference.search.visited, ListOf(search.m_visited));
    EXPECT_TRUE(SameRecord(reference.search.board, search.m_board));
    EXPECT_TRUE(SameRecord(reference.search.solution, search.m_solution));
    EXPECT_EQ(reference.search.maxDepth, search.MaxDepth());
}

TEST(Search, FollowsTheReferenceTrajectoryExactly) {
    for (const std::string& puzzle :
         {std::string(kUnique[0]), std::string(kUnique[1]), std::string(kUnique[2]),
          std::string(kSeveral), std::string(kContradictory), kEmpty, std::string(kSolved)}) {
        SCOPED_TRACE(puzzle);
        ExpectSameAsReference(puzzle, true);
        ExpectSameAsReference(puzzle, false);
    }
}

TEST(Search, SolveStopsAtTheFirstSolutionAndOffersItOnce) {
    ExpectSameAsReference(kUnique[3], true); // two levels deep
    RecordingSearch search;
    search.SetUp(kUnique[0], true);
    search.RunSearch();
    EXPECT_EQ(kSolved, RowsOf(search.m_board));
    EXPECT_EQ(1, search.m_solutions.GetSize());
    EXPECT_EQ(1u, search.offered.size());
    EXPECT_EQ(search.m_board.IdentityCrc(), search.offered[0]);
}

// As a batch thread runs them: one search object for puzzle after puzzle, each run compared with
// a fresh object's.
TEST(Search, ProveOfUniquePuzzlesRunsToTheEndWithOneSolutionAlsoOnAReusedSearch) {
    RecordingSearch reused;
    for (const char* puzzle : {kUnique[1], kUnique[0], kUnique[1]}) {
        SCOPED_TRACE(puzzle);
        RecordingSearch fresh;
        fresh.SetUp(puzzle, false);
        fresh.RunSearch();
        reused.SetUp(puzzle, false);
        reused.RunSearch();
        EXPECT_EQ(fresh.drained, reused.drained);
        EXPECT_EQ(ListOf(fresh.m_visited), ListOf(reused.m_visited));
        EXPECT_EQ(1, reused.m_solutions.GetSize());
        EXPECT_EQ(1u, reused.offered.size());
        EXPECT_TRUE(reused.m_board.IsSolved());
        EXPECT_GT(reused.MaxDepth(), 1);
    }
}

TEST(Search, ProveStopsAtTheSecondDistinctSolutionAndShowsIt) {
    ExpectSameAsReference(kSeveral, false);
    RecordingSearch search;
    search.SetUp(kSeveral, false);
    search.RunSearch();
    ASSERT_EQ(2, search.m_solutions.GetSize());
    EXPECT_NE(search.m_solutions[0], search.m_solutions[1]);
    EXPECT_EQ(search.m_solutions[1], search.m_board.IdentityCrc());
    EXPECT_EQ(2u, search.offered.size());
}

TEST(Search, ContradictoryPuzzleEndsWithoutSolutionAndBoardNotRestored) {
    RecordingSearch search;
    search.SetUp(kContradictory, false);
    const CBoard previousSolution = search.m_solution;
    search.RunSearch();
    EXPECT_EQ(0, search.m_solutions.GetSize());
    EXPECT_TRUE(search.offered.empty());
    EXPECT_TRUE(SameRecord(previousSolution, search.m_solution));
}

TEST(Search, RunningOutOfMemoryEndsTheSearchWithTheSolutionsFound) {
    RecordingSearch search;
    search.SetUp(kSeveral, false);
    search.duringDrain = [](RecordingSearch& s) {
        if (s.m_solutions.GetSize() == 1) {
            throw std::bad_alloc();
        }
    };
    search.RunSearch();
    ASSERT_EQ(1, search.m_solutions.GetSize());
    EXPECT_EQ(search.m_solutions[0], search.m_board.IdentityCrc());
    EXPECT_TRUE(search.m_board.IsSolved());
    EXPECT_EQ(2, search.repaints); // the new solution, then the end of the search

    // The next search from the start starts afresh.
    search.duringDrain = [](RecordingSearch&) {};
    search.m_board = search.m_start;
    search.RunSearch();
    EXPECT_EQ(2, search.m_solutions.GetSize());
}

TEST(Search, FullBoardTriesNothing) {
    RecordingSearch search;
    search.SetUp(kSolved, true);
    const CBoard before = search.m_board;
    search.RunSearch();
    EXPECT_EQ(0, search.m_solutions.GetSize());
    EXPECT_EQ(0, search.m_visited.GetSize());
    EXPECT_EQ(81u, search.drained.size());
    EXPECT_TRUE(SameRecord(before, search.m_board));
    EXPECT_EQ(1, search.repaints);
}

TEST(Search, UserDigitsCountOnlyUntilTheFirstLineEndsWhenTheStartIsSaved) {
    // A wrong digit entered after the start was recorded: the first line of search starts with
    // it, every later line from the recorded start without it.
    RecordingSearch search;
    search.SetUp(kUnique[0], true);
    ASSERT_TRUE(search.m_board.Place(0, 0, 4));
    search.RunSearch();
    EXPECT_EQ(kSolved, RowsOf(search.m_board));
    EXPECT_EQ(0, search.m_start.Value(0, 0));
}

TEST(Search, UnsavedStartTakesTheBoardWithTheUserDigits) {
    RecordingSearch search;
    search.SetUp(kUnique[0], true);
    search.m_startSaved = false;
    ASSERT_TRUE(search.m_board.Place(0, 0, 9));
    search.RunSearch();
    EXPECT_EQ(9, search.m_start.Value(0, 0));
    EXPECT_TRUE(search.m_startSaved);
    EXPECT_EQ(kSolved, RowsOf(search.m_board));
}

TEST(Search, AnotherPuzzleSetUpDuringADrainIsSearchedFromThere) {
    // What the puzzle-number box does under a running search: new board and start, lists
    // emptied; the search goes on with the new position.
    const std::size_t switchAt = 200;
    auto switchPuzzle = [&](CBoard& board, CBoard& start) {
        board = BoardFromRows(kUnique[2]);
        start = board;
    };
    ReferenceRun reference;
    RunReference(reference, kUnique[1], false, [&](ReferenceSearch& s, std::size_t drains) {
        if (drains == switchAt) {
            switchPuzzle(s.board, s.start);
            s.solutions.clear();
            s.visited.clear();
        }
    });
    RecordingSearch search;
    search.SetUp(kUnique[1], false);
    search.duringDrain = [&](RecordingSearch& s) {
        if (s.drained.size() == switchAt) {
            switchPuzzle(s.m_board, s.m_start);
            s.m_solutions.RemoveAll();
            s.m_visited.RemoveAll();
        }
    };
    search.RunSearch();
    ASSERT_GT(reference.drained.size(), switchAt);
    EXPECT_EQ(reference.drained, search.drained);
    EXPECT_EQ(reference.search.visited, ListOf(search.m_visited));
    EXPECT_EQ(reference.search.solutions, ListOf(search.m_solutions));
    EXPECT_TRUE(SameRecord(reference.search.board, search.m_board));
}

} // namespace

#include "engine/rows.h"
#include "engine/rules.h"
#include "tests/engine/reference_rules.h"
#include "tests/engine/set_candidates.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Removes digit d from every cell of the top-left box except the listed ones.
void KeepDigitInTopLeftBoxOnly(CBoard& board, int d, std::initializer_list<CellPos> keep) {
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            bool kept = false;
            for (const CellPos& cell : keep) {
                kept = kept || cell == CellPos{c, r};
            }
            board.m_candidate[FlagIndex(c, r, d)] = kept ? 1 : 0;
        }
    }
}

// Random positions: some digits placed, then many candidates struck out, so that every rule
// finds work.
CBoard RandomPosition(std::mt19937& random) {
    CBoard board = EmptyBoard();
    const int placements = static_cast<int>(random() % 30);
    for (int i = 0; i < placements; ++i) {
        board.Place(static_cast<int>(random() % 9), static_cast<int>(random() % 9),
                    static_cast<unsigned char>(1 + random() % 9));
    }
    const int strikes = static_cast<int>(random() % 400);
    for (int i = 0; i < strikes; ++i) {
        board.m_candidate[random() % 729] = 0;
    }
    return board;
}

TEST(Rules, MatchThePlainlyWrittenRulesOnRandomPositions) {
    using Rule = void (*)(CBoard&);
    const std::pair<Rule, Rule> rules[] = {
        {ApplyPointing, reference::ApplyPointing},
        {ApplyNakedSubsets, reference::ApplyNakedSubsets},
        {ApplyBoxHiddenSingles, reference::ApplyBoxHiddenSingles},
        {ApplyNakedSingles, reference::ApplyNakedSingles},
    };
    int changed[4] = {};
    std::mt19937 random(11);
    for (int trial = 0; trial < 2000; ++trial) {
        const CBoard position = RandomPosition(random);
        for (int i = 0; i < 4; ++i) {
            CBoard engine = position;
            CBoard expected = position;
            rules[i].first(engine);
            rules[i].second(expected);
            ASSERT_TRUE(SameRecord(expected, engine)) << "rule " << i << ", trial " << trial;
            changed[i] += SameRecord(position, engine) ? 0 : 1;
        }
    }
    for (int count : changed) {
        EXPECT_GT(count, 100); // every rule had work to do
    }
}

TEST(Rules, LeaveAPositionNoRuleCanAdvanceUntouched) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(4, 4, 5));
    const CBoard before = board;
    ApplyPointing(board);
    ApplyNakedSubsets(board);
    ApplyBoxHiddenSingles(board);
    ApplyNakedSingles(board);
    EXPECT_TRUE(SameRecord(before, board));
}

TEST(Pointing, ClearsTheRestOfTheRowFromTwoCellsOfABox) {
    CBoard board = EmptyBoard();
    KeepDigitInTopLeftBoxOnly(board, 4, {{0, 1}, {2, 1}});
    ApplyPointing(board);
    for (int c = 3; c < 9; ++c) {
        EXPECT_FALSE(board.IsCandidate(c, 1, 4)) << c;
        EXPECT_TRUE(board.IsCandidate(c, 0, 4)) << c;
    }
    EXPECT_TRUE(board.IsCandidate(0, 1, 4));
    EXPECT_TRUE(board.IsCandidate(2, 1, 4));
    EXPECT_TRUE(board.IsCandidate(0, 5, 4)); // the columns are untouched
}

TEST(Pointing, ClearsTheRestOfTheColumnFromThreeCells) {
    CBoard board = EmptyBoard();
    KeepDigitInTopLeftBoxOnly(board, 4, {{1, 0}, {1, 1}, {1, 2}});
    ApplyPointing(board);
    for (int r = 3; r < 9; ++r) {
        EXPECT_FALSE(board.IsCandidate(1, r, 4)) << r;
    }
    EXPECT_TRUE(board.IsCandidate(1, 1, 4));
}

TEST(Pointing, IgnoresScatteredAndSingleCells) {
    for (auto keep :
         {std::initializer_list<CellPos>{{0, 1}, {1, 2}}, std::initializer_list<CellPos>{{2, 2}}}) {
        CBoard board = EmptyBoard();
        KeepDigitInTopLeftBoxOnly(board, 4, keep);
        const CBoard before = board;
        ApplyPointing(board);
        EXPECT_TRUE(SameRecord(before, board));
    }
}

TEST(NakedSubsets, PairTakesItsDigitsFromTheRestOfTheRow) {
    CBoard board = EmptyBoard();
    SetCandidates(board, 1, 0, {3, 8});
    SetCandidates(board, 5, 0, {3, 8});
    ApplyNakedSubsets(board);
    for (int c : {0, 2, 3, 4, 6, 7, 8}) {
        EXPECT_FALSE(board.IsCandidate(c, 0, 3)) << c;
        EXPECT_FALSE(board.IsCandidate(c, 0, 8)) << c;
        EXPECT_EQ(7, board.CandidateCount(c, 0)) << c;
    }
    EXPECT_EQ(2, board.CandidateCount(1, 0));
    EXPECT_EQ(2, board.CandidateCount(5, 0));
    EXPECT_TRUE(board.IsCandidate(1, 1, 3)); // other rows keep theirs
}

// No subset: a cycle of pairs, three box cells with one pair, five cells with five digits.
TEST(NakedSubsets, LeaveSetsThatAreNoSubsetAlone) {
    CBoard board = EmptyBoard();
    SetCandidates(board, 0, 4, {1, 2});
    SetCandidates(board, 4, 4, {2, 3});
    SetCandidates(board, 8, 4, {1, 3});
    for (int i = 0; i < 3; ++i) {
        SetCandidates(board, 6 + i, i, {6, 7});
    }
    for (int c = 0; c < 5; ++c) {
        SetCandidates(board, c, 7, {1, 2, 3, 4, 5});
    }
    const CBoard before = board;
    ApplyNakedSubsets(board);
    EXPECT_TRUE(SameRecord(before, board));
}

TEST(NakedSubsets, ThreeCellsWithTheSamePairClearOnlyFromTheSecond) {
    CBoard board = EmptyBoard();
    SetCandidates(board, 0, 4, {1, 2});
    SetCandidates(board, 4, 4, {1, 2});
    SetCandidates(board, 8, 4, {1, 2});
    ApplyNakedSubsets(board);
    EXPECT_EQ(0, board.CandidateCount(0, 4));
    EXPECT_EQ(2, board.CandidateCount(4, 4));
    EXPECT_EQ(2, board.CandidateCount(8, 4));
    EXPECT_EQ(7, board.CandidateCount(2, 4));
}

TEST(NakedSubsets, LeaveFilledCellsFlagsAlone) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(7, 0, 9));
    board.m_candidate[FlagIndex(7, 0, 3)] = 1; // a meaningless flag of the filled cell
    SetCandidates(board, 1, 0, {3, 8});
    SetCandidates(board, 5, 0, {3, 8});
    ApplyNakedSubsets(board);
    EXPECT_EQ(1, board.m_candidate[FlagIndex(7, 0, 3)]);
}

TEST(BoxHiddenSingles, PlacesADigitWithOneCellInItsBoxOnly) {
    CBoard board = EmptyBoard();
    KeepDigitInTopLeftBoxOnly(board, 6, {{2, 1}});
    ApplyBoxHiddenSingles(board);
    EXPECT_EQ(6, board.Value(2, 1));
    EXPECT_EQ(BoardFromRows(std::string(9, '0') + "006" + std::string(69, '0')).IdentityCrc(),
              board.IdentityCrc());
}

TEST(BoxHiddenSingles, DoesNotPlaceRowOnlySingles) {
    CBoard board = EmptyBoard();
    for (int c = 1; c < 9; ++c) {
        board.m_candidate[FlagIndex(c, 0, 6)] = 0;
    }
    const CBoard before = board;
    ApplyBoxHiddenSingles(board);
    EXPECT_TRUE(SameRecord(before, board));
}

TEST(NakedSingles, FillCellsForcedEarlierInThePassButNotLater) {
    CBoard board = EmptyBoard();
    SetCandidates(board, 0, 0, {5});
    SetCandidates(board, 3, 0, {5, 7}); // loses 5 to (0, 0) before the scan reaches it
    SetCandidates(board, 8, 7, {2});
    SetCandidates(board, 4, 7, {2, 9}); // loses 2 only after the scan has passed it
    ApplyNakedSingles(board);
    EXPECT_EQ(5, board.Value(0, 0));
    EXPECT_EQ(7, board.Value(3, 0));
    EXPECT_EQ(2, board.Value(8, 7));
    EXPECT_EQ(0, board.Value(4, 7));
    EXPECT_EQ(1, board.CandidateCount(4, 7));
}

TEST(NakedSingles, TwoCellsForcedToOneDigitLeaveADeadEnd) {
    CBoard board = EmptyBoard();
    SetCandidates(board, 2, 6, {7});
    SetCandidates(board, 6, 6, {7});
    ApplyNakedSingles(board);
    EXPECT_EQ(7, board.Value(2, 6));
    EXPECT_EQ(0, board.Value(6, 6));
    EXPECT_TRUE(board.IsDeadEnd());
}

} // namespace

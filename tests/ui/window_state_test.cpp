#include "ui/start_number.h"
#include "window_fixture.h"

#include "sources/library.h"

#include <algorithm>
#include <climits>

namespace {

void ExpectInitialised(const CBoard& board) {
    EXPECT_TRUE(std::all_of(std::begin(board.m_value), std::end(board.m_value),
                            [](unsigned char v) { return v == 0; }));
    EXPECT_TRUE(std::all_of(std::begin(board.m_candidate), std::end(board.m_candidate),
                            [](unsigned char f) { return f == 1; }));
    EXPECT_EQ(0xFFFFFFFFu, board.m_fingerprint);
    EXPECT_TRUE(std::all_of(std::begin(board.m_imageCrc), std::end(board.m_imageCrc),
                            [](Crc32 crc) { return crc == 0xFFFFFFFFu; }));
}

TEST(WindowConstruction, StartsEmptyWithNothingSelectedAndANumberInRange) {
    headless::Reset();
    CSuDoKuDlg window;
    ExpectInitialised(window.m_board);
    ExpectInitialised(window.m_start);
    ExpectInitialised(window.m_solution);
    EXPECT_EQ(-1, window.m_selCol);
    EXPECT_EQ(-1, window.m_selRow);
    EXPECT_EQ(0, window.m_solutions.GetSize());
    EXPECT_EQ(0, window.m_visited.GetSize());
    EXPECT_EQ(0, window.m_solutionCount);
    EXPECT_FALSE(window.m_startSaved);
    EXPECT_FALSE(window.m_showClues);
    EXPECT_TRUE(window.m_offerSave);
    EXPECT_FALSE(window.m_stopAtFirst);
    EXPECT_FALSE(window.m_searching);
    EXPECT_EQ(nullptr, window.m_library);
    EXPECT_NE(nullptr, window.m_hIcon);
    EXPECT_GE(window.m_puzzleNumber, 0);
    EXPECT_LE(window.m_puzzleNumber, kPuzzleNumberCount);
}

TEST(StartNumber, IsTheSameWithinASecondAndReachesTheWholeRange) {
    EXPECT_EQ(DrawStartNumber(1700000000u), DrawStartNumber(1700000000u));
    int highest = 0;
    for (std::uint32_t time = 1700000000u; time < 1700000100u; ++time) {
        const int number = DrawStartNumber(time);
        ASSERT_GE(number, 0);
        ASSERT_LE(number, kPuzzleNumberCount);
        highest = std::max(highest, number);
    }
    // Beyond 18 bits: the last orientations come up too.
    EXPECT_GT(highest, 1 << 18);
}

using ClearPuzzle = WindowTest;

TEST_F(ClearPuzzle, EmptiesBoardsAndListsButKeepsHashesNumberAndCount) {
    ShowPuzzle(77);
    Enter(4, 0, 5);
    Window().m_solutions.Add(1);
    Window().m_visited.Add(2);
    Window().m_solutionCount = 1;
    ClickCell(0, 1);
    const Crc32 shownCrc = Window().m_board.IdentityCrc();
    const Crc32 startFingerprint = Window().m_start.m_fingerprint;
    const int paints = headless::PaintCount();

    Window().ClearPuzzle();

    for (const CBoard* board : {&Window().m_board, &Window().m_start, &Window().m_solution}) {
        EXPECT_TRUE(std::all_of(std::begin(board->m_value), std::end(board->m_value),
                                [](unsigned char v) { return v == 0; }));
        EXPECT_TRUE(std::all_of(std::begin(board->m_candidate), std::end(board->m_candidate),
                                [](unsigned char f) { return f == 1; }));
    }
    EXPECT_EQ(shownCrc, Window().m_board.IdentityCrc());
    EXPECT_EQ(startFingerprint, Window().m_start.m_fingerprint);
    EXPECT_EQ(0, Window().m_solutions.GetSize());
    EXPECT_EQ(0, Window().m_visited.GetSize());
    EXPECT_EQ(1, Window().m_solutionCount);
    EXPECT_FALSE(Window().m_startSaved);
    EXPECT_EQ(-1, Window().m_selCol);
    EXPECT_EQ(77, Window().m_puzzleNumber);
    EXPECT_EQ(paints + 1, headless::PaintCount());
}

using LibraryPuzzle = WindowTest;

TEST_F(LibraryPuzzle, IsShownWithItsStartFixedAndNothingElseLeft) {
    Window().m_solutions.Add(5);
    Window().m_selCol = Window().m_selRow = 3;
    ShowPuzzle(36628 + 40);
    EXPECT_EQ(36628 + 40, Window().m_puzzleNumber);
    EXPECT_EQ(1, Window().m_board.Value(8, 0));
    EXPECT_TRUE(SameRecord(Window().m_board, Window().m_start));
    EXPECT_TRUE(Window().m_startSaved);
    EXPECT_EQ(-1, Window().m_selCol);
    EXPECT_EQ(0, Window().m_solutions.GetSize());
    EXPECT_EQ(0, Window().m_solution.Value(8, 0));
}

TEST_F(LibraryPuzzle, NumbersOutsideTheRangeAreReducedFirst) {
    ShowPuzzle(0);
    const CBoard first = Window().m_board;
    ShowPuzzle(293024);
    EXPECT_EQ(0, Window().m_puzzleNumber);
    EXPECT_TRUE(SameRecord(first, Window().m_board));
    EXPECT_TRUE(SameRecord(first, Window().m_start));

    ShowPuzzle(300000);
    EXPECT_EQ(6976, Window().m_puzzleNumber);
    ShowPuzzle(-5);
    EXPECT_EQ(5, Window().m_puzzleNumber);
}

TEST_F(LibraryPuzzle, TheSmallestNumberLeavesTheWindowClearedAndUserEntered) {
    ShowPuzzle(12);
    ShowPuzzle(INT_MIN);
    EXPECT_EQ(-203776, Window().m_puzzleNumber);
    EXPECT_TRUE(std::all_of(std::begin(Window().m_board.m_value),
                            std::end(Window().m_board.m_value),
                            [](unsigned char v) { return v == 0; }));
    EXPECT_FALSE(Window().m_startSaved);
    Window().Invalidate();
    Window().UpdateWindow();
    const CPoint label = Button("puzzle label").drawnAt;
    ASSERT_NE(nullptr, TextAt(label.x, label.y));
    EXPECT_EQ("User Entered", TextAt(label.x, label.y)->text);
}

} // namespace

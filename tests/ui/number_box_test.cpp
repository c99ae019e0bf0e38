#include "window_fixture.h"

#include "resources/resource.h"

namespace {

class NumberBox : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ShowPuzzle(100);
    }

    // Opens the box from the system menu; the box answers the scripted steps.
    void OpenFromMenu() { headless::SendMessage(Window(), WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3); }

    static void Type(const std::string& text, int command = IDOK) {
        headless::ScriptDialog({IDD_ABOUTBOX, {{IDC_PUZZLE_NUMBER, text}}, command});
    }
};

TEST_F(NumberBox, ShowsTheCurrentNumberAndLoadsTheOneTyped) {
    Type("12abc");
    OpenFromMenu();
    ASSERT_EQ(1u, headless::Dialogs().size());
    EXPECT_EQ("100", headless::Dialogs()[0].textsAfterInit.at(IDC_PUZZLE_NUMBER));
    EXPECT_EQ(12, Window().m_puzzleNumber);
    EXPECT_EQ(1 + 12 % 9, Window().m_board.Value(8, 8));
    EXPECT_TRUE(Window().m_startSaved);
}

TEST_F(NumberBox, TakesASignedNumberAndReducesItAlsoOpenedFromThePuzzleLabel) {
    Type(" -7");
    OpenFromMenu();
    EXPECT_EQ(7, Window().m_puzzleNumber);
    Type("293024");
    Press("puzzle number");
    EXPECT_EQ(0, Window().m_puzzleNumber);
}

TEST_F(NumberBox, StaysOpenAfterTextWithoutANumber) {
    for (const char* text : {"abc", ""}) {
        headless::Reset();
        Type(text);
        Type("", IDCANCEL);
        OpenFromMenu();
        ASSERT_EQ(1u, headless::MessageBoxes().size()) << text;
        EXPECT_EQ("Please enter an integer.", headless::MessageBoxes()[0].text);
        ASSERT_EQ(1u, headless::Dialogs().size());
        EXPECT_EQ(IDCANCEL, headless::Dialogs()[0].result);
        EXPECT_EQ(100, Window().m_puzzleNumber);
    }
}

TEST_F(NumberBox, CancelChangesNothing) {
    Enter(4, 0, 5);
    Window().m_showClues = true;
    const CBoard board = Window().m_board;
    const int paints = headless::PaintCount();
    Type("55", IDCANCEL);
    OpenFromMenu();
    EXPECT_TRUE(SameRecord(board, Window().m_board));
    EXPECT_EQ(100, Window().m_puzzleNumber);
    EXPECT_TRUE(Window().m_showClues);
    EXPECT_EQ(paints, headless::PaintCount());
}

} // namespace

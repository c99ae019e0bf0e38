#include "window_fixture.h"

#include "framework/wait_cursor.h"
#include "resources/resource.h"

#include <algorithm>

namespace {

class Input : public WindowTest {
protected:
    // Fills every cell of the board with the solved grid except (8, 8).
    void FillAllButLastCell() {
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                if (c != 8 || r != 8) {
                    Window().m_board.Place(c, r, static_cast<unsigned char>(SolvedDigit(c, r)));
                }
            }
        }
    }

    int Filled() {
        const auto& values = Window().m_board.m_value;
        return static_cast<int>(std::count_if(std::begin(values), std::end(values),
                                              [](unsigned char v) { return v != 0; }));
    }

    bool SelectionFramePainted() const {
        const auto& ops = headless::LastPaint();
        return std::any_of(ops.begin(), ops.end(), [](const headless::DrawOp& op) {
            return op.kind == headless::DrawKind::LineTo && op.pen.colour == RGB(220, 100, 100);
        });
    }
};

TEST_F(Input, AClickOnAFilledCellOnlyDropsTheSelection) {
    ShowPuzzle(0);
    ClickCell(4, 0);
    const int paints = headless::PaintCount();
    ClickCell(0, 0);
    EXPECT_EQ(-1, Window().m_selCol);
    EXPECT_EQ(paints + 1, headless::PaintCount());
    EXPECT_EQ(5, Filled());
    EXPECT_TRUE(headless::FileDialogs().empty());
}

TEST_F(Input, TheLabelReloadsThePuzzleAndItsNumberOpensTheBox) {
    const ClickArea& label = Button("puzzle label").clickedIn;
    const ClickArea& number = Button("puzzle number").clickedIn;
    ShowPuzzle(5);
    Enter(4, 0, 5);
    Click(label.left, label.top);
    EXPECT_EQ(5, Filled());
    EXPECT_TRUE(headless::Dialogs().empty());

    Enter(4, 0, 5);
    // The number's first column lies in both ranges: the reload runs, then the box opens (and is
    // cancelled).
    Click(number.left, number.top + 5);
    EXPECT_EQ(5, Filled());
    ASSERT_EQ(1u, headless::Dialogs().size());
    EXPECT_EQ(static_cast<UINT>(IDD_ABOUTBOX), headless::Dialogs()[0].templateId);

    Click(number.right, number.bottom);
    EXPECT_EQ(2u, headless::Dialogs().size());
    Click(number.right + 1, number.bottom);
    EXPECT_EQ(2u, headless::Dialogs().size());
}

TEST_F(Input, SaveOffersTheBoardEvenAfterAnEarlierCancel) {
    ShowPuzzle(0);
    Window().m_offerSave = false;
    Window().m_stopAtFirst = false;
    Press("Save");
    ASSERT_EQ(1u, headless::FileDialogs().size());
    EXPECT_FALSE(headless::FileDialogs()[0].open);
    EXPECT_TRUE(Window().m_stopAtFirst);
    // The default answer cancels the dialog.
    EXPECT_FALSE(Window().m_offerSave);

    Press("Load");
    ASSERT_EQ(2u, headless::FileDialogs().size());
    EXPECT_TRUE(headless::FileDialogs()[1].open);
}

TEST_F(Input, SolveFindsOneSolutionWithoutACautionAndOffersItOnce) {
    ShowPuzzle(0);
    Press("SOLVE");
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(1, Window().m_solutions.GetSize());
    EXPECT_TRUE(Window().m_board.IsSolved());
    EXPECT_EQ(1u, headless::FileDialogs().size());
    EXPECT_FALSE(Window().m_searching);
    EXPECT_EQ(0, CWaitCursor::Count());
    EXPECT_FALSE(headless::WaitCursorShown());
}

TEST_F(Input, ProveCautionsFirstAndFlagsASecondSolution) {
    ShowPuzzle(0);
    Press("PROVE");
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("Caution non-valid puzzles may take a while to process, please be patient.",
              headless::MessageBoxes()[0].text);
    EXPECT_EQ(2, Window().m_solutions.GetSize());
    // The first offer was cancelled, so the second solution is not offered.
    EXPECT_EQ(1u, headless::FileDialogs().size());
    ASSERT_NE(nullptr, TextAt(10, 515));
    EXPECT_EQ("NOT REAL SUDOKU 2 or more sulutions exist.", TextAt(10, 515)->text);
}

TEST_F(Input, DuringASearchClicksAreDroppedAndKeysOnlyRepaint) {
    ShowPuzzle(0);
    bool ranDuringSearch = false;
    headless::PostCallback([this, &ranDuringSearch] {
        ranDuringSearch = true;
        EXPECT_TRUE(Window().m_searching);
        EXPECT_TRUE(headless::WaitCursorShown());
        const int paints = headless::PaintCount();
        const std::size_t defaulted = headless::DefaultedMessages().size();
        ClickCell(4, 0);
        RightClickCell(0, 0);
        EXPECT_EQ(-1, Window().m_selCol);
        EXPECT_EQ(paints, headless::PaintCount());
        EXPECT_EQ(defaulted, headless::DefaultedMessages().size());
        Key('5');
        EXPECT_EQ(paints + 1, headless::PaintCount());
        // The pointer moving over the window keeps the hourglass; over the window disabled by a
        // modal dialog the platform answers.
        headless::HideCursor();
        EXPECT_EQ(TRUE, headless::SendMessage(Window(), WM_SETCURSOR, 0,
                                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_TRUE(headless::WaitCursorShown());
        EXPECT_EQ(FALSE, headless::SendMessage(Window(), WM_SETCURSOR, 0,
                                               MAKELPARAM(HTERROR, WM_LBUTTONDOWN)));
        EXPECT_EQ(static_cast<UINT>(WM_SETCURSOR), headless::DefaultedMessages().back());
    });
    Press("SOLVE");
    EXPECT_TRUE(ranDuringSearch);
    EXPECT_EQ(1, Window().m_solutions.GetSize());
    const std::size_t defaulted = headless::DefaultedMessages().size();
    headless::SendMessage(Window(), WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(defaulted + 1, headless::DefaultedMessages().size());
}

TEST_F(Input, TheNumberBoxLoadsAPuzzleUnderARunningSearch) {
    ShowPuzzle(0);
    headless::ScriptDialog({IDD_ABOUTBOX, {{IDC_PUZZLE_NUMBER, "7"}}, IDOK});
    headless::PostMessage(Window(), WM_SYSCOMMAND, IDM_ABOUTBOX);
    Press("SOLVE");
    EXPECT_EQ(7, Window().m_puzzleNumber);
    EXPECT_FALSE(Window().m_searching);
}

TEST_F(Input, RightClickTakesAGivenOutOfTheStartAsWell) {
    ShowPuzzle(0);
    RightClickCell(0, 0);
    EXPECT_EQ(0, Window().m_board.Value(0, 0));
    EXPECT_EQ(0, Window().m_start.Value(0, 0));
    EXPECT_FALSE(Window().m_startSaved);
}

TEST_F(Input, RightClickTakesAnEnteredDigitOutOfTheBoardOnly) {
    ShowPuzzle(0);
    Enter(4, 0, 5);
    ClickCell(5, 0);
    RightClickCell(4, 0);
    EXPECT_EQ(0, Window().m_board.Value(4, 0));
    EXPECT_EQ(1, Window().m_start.Value(0, 0));
    EXPECT_TRUE(Window().m_startSaved);
    EXPECT_EQ(-1, Window().m_selCol);
}

TEST_F(Input, MainAndKeypadDigitsFillTheSelectedCellAndOtherKeysDoNot) {
    ClickCell(0, 0);
    Key(VK_NUMPAD0 + 7);
    EXPECT_EQ(7, Window().m_board.Value(0, 0));
    for (UINT key : {UINT('0'), VK_NUMPAD0, UINT('A'), UINT(VK_NUMPAD9 + 1)}) {
        ClickCell(1, 0);
        Key(key);
        EXPECT_EQ(0, Window().m_board.Value(1, 0)) << key;
    }
    ClickCell(1, 0);
    Key('9');
    EXPECT_EQ(9, Window().m_board.Value(1, 0));
}

TEST_F(Input, AKeyWithoutSelectionOnlyRepaints) {
    const int paints = headless::PaintCount();
    Key('5');
    EXPECT_EQ(0, Filled());
    EXPECT_EQ(paints + 1, headless::PaintCount());
}

TEST_F(Input, ARefusedDigitIsDroppedSilentlyWithTheSelection) {
    ShowPuzzle(0);
    ClickCell(4, 0);
    Key('1');
    EXPECT_EQ(0, Window().m_board.Value(4, 0));
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(-1, Window().m_selCol);
}

TEST_F(Input, TheLastDigitShowsFinishedBeforeTheRepaintThatStillFramesTheCell) {
    FillAllButLastCell();
    ClickCell(8, 8);
    const int paints = headless::PaintCount();
    Key(static_cast<UINT>('0' + SolvedDigit(8, 8)));
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("SuDoKu Finished", headless::MessageBoxes()[0].text);
    EXPECT_EQ(paints, headless::MessageBoxes()[0].paintsBefore);
    EXPECT_EQ(paints + 1, headless::PaintCount());
    EXPECT_TRUE(SelectionFramePainted());
    EXPECT_EQ(-1, Window().m_selCol);
    EXPECT_EQ(-1, Window().m_selRow);
}

TEST_F(Input, ADigitThatLeavesACellWithoutCandidatesShowsDeadEnd) {
    for (int c = 0; c < 7; ++c) {
        Window().m_board.Place(c, 0, static_cast<unsigned char>(c + 1));
    }
    Window().m_board.Place(8, 1, 9);
    Enter(7, 0, 8);
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("Dead End", headless::MessageBoxes()[0].text);
}

// The cells and the text buttons answer where the window draws them, at every DPI.
class InputAtDpi : public Input, public ::testing::WithParamInterface<UINT> {
protected:
    void SetUp() override {
        Input::SetUp();
        if (GetParam() != kDefaultDpi) {
            headless::ChangeDpi(Window(), GetParam());
        }
    }

    static int Scaled(int pixels) { return ScaleToDpi(pixels, GetParam()); }
    static ClickArea AreaOf(const char* button) {
        return ScaleToDpi(Button(button).clickedIn, GetParam());
    }
};

TEST_P(InputAtDpi, EveryCellAnswersInItsMiddleAndTheMarginsCountAsTheFirstColumnAndRow) {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            ClickCell(c, r);
            EXPECT_EQ(c, Window().m_selCol);
            EXPECT_EQ(r, Window().m_selRow);
        }
    }
    Click(Scaled(5), Scaled(5));
    EXPECT_EQ(0, Window().m_selCol);
    EXPECT_EQ(0, Window().m_selRow);
    Click(Scaled(486), Scaled(486));
    EXPECT_EQ(8, Window().m_selCol);
    EXPECT_EQ(8, Window().m_selRow);
    Click(Scaled(487), Scaled(100));
    EXPECT_EQ(-1, Window().m_selCol);
    EXPECT_EQ(-1, Window().m_selRow);
}

TEST_P(InputAtDpi, ClearAnswersItsWholeRangeAndNothingBeside) {
    const ClickArea clear = AreaOf("Clear");
    const CPoint middle = clear.Middle();
    for (const CPoint& outside :
         {CPoint(clear.left - 1, middle.y), CPoint(clear.right + 1, middle.y),
          CPoint(middle.x, clear.top - 1), CPoint(middle.x, clear.bottom + 1)}) {
        ShowPuzzle(0);
        Click(outside.x, outside.y);
        EXPECT_EQ(5, Filled()) << outside.x << "," << outside.y;
    }
    for (const CPoint& inside :
         {CPoint(clear.left, clear.top), CPoint(clear.right, clear.bottom)}) {
        ShowPuzzle(0);
        Click(inside.x, inside.y);
        EXPECT_EQ(0, Filled()) << inside.x << "," << inside.y;
    }
}

TEST_P(InputAtDpi, CluesTwiceRestoresTheDisplay) {
    const ClickArea clues = AreaOf("CLUES");
    Click(clues.left, clues.top);
    EXPECT_TRUE(Window().m_showClues);
    Click(clues.right, clues.bottom);
    EXPECT_FALSE(Window().m_showClues);
    Click(clues.right + 1, clues.bottom);
    EXPECT_FALSE(Window().m_showClues);
}

INSTANTIATE_TEST_SUITE_P(Dpi, InputAtDpi, ::testing::Values(96u, 144u));

} // namespace

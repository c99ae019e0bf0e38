#include "window_fixture.h"

namespace {

using headless::DrawKind;
using headless::DrawOp;

struct Line {
    int x1, y1, x2, y2, width;
    COLORREF colour;
    bool operator==(const Line& other) const {
        return x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2 &&
               width == other.width && colour == other.colour;
    }
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << "(" << line.x1 << "," << line.y1 << ")-(" << line.x2 << "," << line.y2 << ") w"
               << line.width << " #" << std::hex << line.colour << std::dec;
}

// The window at a DPI, and what that DPI must give: the distance between two box lines, the
// client area and the two font heights.
struct DpiCase {
    UINT dpi;
    int boxLineSpacing;
    int clientWidth;
    int clientHeight;
    int smallFont;
    int largeFont;
};

std::ostream& operator<<(std::ostream& out, const DpiCase& dpiCase) {
    return out << dpiCase.dpi << " DPI";
}

class Painting : public WindowTest, public ::testing::WithParamInterface<DpiCase> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (GetParam().dpi != kDefaultDpi) {
            headless::ChangeDpi(Window(), GetParam().dpi);
        }
    }

    void Paint() {
        Window().Invalidate();
        Window().UpdateWindow();
    }

    static int Scaled(int pixels) { return ScaleToDpi(pixels, GetParam().dpi); }

    static Line ScaledLine(int x1, int y1, int x2, int y2, const PenStyle& pen) {
        return {Scaled(x1), Scaled(y1), Scaled(x2), Scaled(y2), Scaled(pen.width), pen.colour};
    }

    static std::vector<Line> Lines() {
        std::vector<Line> lines;
        for (const DrawOp& op : headless::LastPaint()) {
            if (op.kind == DrawKind::LineTo) {
                lines.push_back({op.x, op.y, op.x2, op.y2, op.pen.width, op.pen.colour});
            }
        }
        return lines;
    }

    // The text drawn at a position of the layout, scaled.
    const DrawOp& Text(CPoint at) {
        const CPoint scaled = ScaleToDpi(at, GetParam().dpi);
        const DrawOp* op = TextAt(scaled.x, scaled.y);
        if (!op) {
            static const DrawOp none;
            ADD_FAILURE() << "no text at " << scaled.x << "," << scaled.y;
            return none;
        }
        return *op;
    }
    bool NoTextAt(CPoint at) {
        const CPoint scaled = ScaleToDpi(at, GetParam().dpi);
        return TextAt(scaled.x, scaled.y) == nullptr;
    }
    const DrawOp& Label(const char* button) { return Text(Button(button).drawnAt); }
};

TEST_P(Painting, DrawsTheBackgroundAndTheGridWithItsPens) {
    Paint();
    const DrawOp& background = headless::LastPaint().front();
    EXPECT_EQ(DrawKind::Rectangle, background.kind);
    EXPECT_EQ(0, background.x);
    EXPECT_EQ(0, background.y);
    EXPECT_EQ(GetParam().clientWidth, background.x2);
    EXPECT_EQ(GetParam().clientHeight, background.y2);
    EXPECT_EQ(kBackgroundColour, background.brushColour);
    EXPECT_EQ(kCellPen.colour, background.pen.colour);

    std::vector<Line> expected;
    for (bool vertical : {true, false}) {
        for (const PenStyle* pen : {&kBoxPen, &kCellPen}) {
            for (int i = 0; i <= 9; ++i) {
                if (IsBoxLine(i) == (pen == &kBoxPen)) {
                    const int at = GridLine(i);
                    expected.push_back(vertical
                                           ? ScaledLine(at, GridLine(0), at, GridLine(9), *pen)
                                           : ScaledLine(GridLine(0), at, GridLine(9), at, *pen));
                }
            }
        }
    }
    const std::vector<Line> lines = Lines();
    EXPECT_EQ(expected, lines);
    ASSERT_EQ(20u, lines.size());
    for (int box = 1; box < 4; ++box) {
        EXPECT_EQ(GetParam().boxLineSpacing, lines[box].x1 - lines[box - 1].x1);
    }
}

TEST_P(Painting, FramesTheSelectedCellIncludingTheBoxLinePixels) {
    Window().m_selCol = 2;
    Window().m_selRow = 4;
    Paint();
    const std::vector<Line> lines = Lines();
    ASSERT_EQ(24u, lines.size());
    // x0 = 53 * 2 + 0 + 10, y0 = 53 * 4 + 1 + 10: the frame of column 2 ends on the box line.
    const std::vector<Line> frame(lines.end() - 4, lines.end());
    EXPECT_EQ((std::vector<Line>{ScaledLine(116, 223, 116, 277, kSelectionPen),
                                 ScaledLine(116, 277, 170, 277, kSelectionPen),
                                 ScaledLine(170, 277, 170, 223, kSelectionPen),
                                 ScaledLine(170, 223, 116, 223, kSelectionPen)}),
              frame);
    EXPECT_EQ(lines[1].x1, frame[2].x1);
}

TEST_P(Painting, GivensAndOtherDigitsHaveTheirColoursInTheLargeFont) {
    ShowPuzzle(0);
    Enter(4, 0, 5);
    Paint();
    const DrawOp& given = Text(DigitPosition(0, 0));
    EXPECT_EQ("1", given.text);
    EXPECT_EQ(kGivenColour, given.textColour);
    EXPECT_EQ(GetParam().largeFont, given.font.height);
    const DrawOp& entered = Text(DigitPosition(4, 0));
    EXPECT_EQ("5", entered.text);
    EXPECT_EQ(kOtherDigitColour, entered.textColour);
    EXPECT_EQ(OPAQUE, entered.bkMode);
    EXPECT_EQ(kBackgroundColour, entered.bkColour);
}

TEST_P(Painting, BothFontsAreLightTahomaWithTheWindowsParameters) {
    ShowPuzzle(0);
    Paint();
    for (const headless::FontState& font :
         {Text(DigitPosition(0, 0)).font, Text(kStatusPosition).font}) {
        EXPECT_EQ(kTextFont.face, font.face);
        EXPECT_EQ(kTextFont.weight, font.weight);
        EXPECT_EQ(0, font.width);
        EXPECT_EQ(kTextFont.charSet, font.charSet);
        EXPECT_EQ(kTextFont.outPrecision, font.outPrecision);
        EXPECT_EQ(kTextFont.clipPrecision, font.clipPrecision);
        EXPECT_EQ(kTextFont.quality, font.quality);
        EXPECT_EQ(kTextFont.pitchAndFamily, font.pitchAndFamily);
    }
    EXPECT_EQ(GetParam().smallFont, Text(kStatusPosition).font.height);
}

TEST_P(Painting, CandidateMarksOnlyWithCluesOnAndOnlyForCandidates) {
    ShowPuzzle(0);
    Paint();
    EXPECT_TRUE(NoTextAt(MarkPosition(4, 0, 3)));

    Window().m_showClues = true;
    Paint();
    // Cell (4, 0) sees 1 and 2 in its row and the 1 of line 0 at (4, 4).
    EXPECT_TRUE(NoTextAt(MarkPosition(4, 0, 1)));
    EXPECT_TRUE(NoTextAt(MarkPosition(4, 0, 2)));
    const DrawOp& three = Text(MarkPosition(4, 0, 3));
    EXPECT_EQ("3", three.text);
    EXPECT_EQ(kCandidateColour, three.textColour);
    EXPECT_EQ(GetParam().smallFont, three.font.height);
    EXPECT_EQ("9", Text(MarkPosition(4, 0, 9)).text);
    EXPECT_EQ("5", Text(MarkPosition(8, 7, 5)).text);
}

TEST_P(Painting, AClearedBoardShowsAllNineMarksInEveryCell) {
    Window().m_showClues = true;
    Window().ClearPuzzle();
    int marks = 0;
    for (const DrawOp& op : Texts()) {
        marks += op.font.height == GetParam().smallFont && op.textColour == kCandidateColour;
    }
    EXPECT_EQ(81 * 9, marks);
}

TEST_P(Painting, StatusLinePadsTheHashesWithBlanksAndCountsTheSolutions) {
    Window().m_board.m_imageCrc[0] = 0xABCDu;
    Window().m_board.m_fingerprint = 0x1234ABCDu;
    Window().m_solutions.Add(7);
    Paint();
    const DrawOp& status = Text(kStatusPosition);
    EXPECT_EQ("    ABCD-1234ABCD: 1", status.text);
    EXPECT_EQ(kStatusColour, status.textColour);
    EXPECT_TRUE(NoTextAt(kWarningPosition));

    Window().m_solutions.Add(8);
    Paint();
    EXPECT_EQ("    ABCD-1234ABCD: 2", Text(kStatusPosition).text);
    const DrawOp& warning = Text(kWarningPosition);
    EXPECT_EQ("NOT REAL SUDOKU 2 or more sulutions exist.", warning.text);
    EXPECT_EQ(kWarningColour, warning.textColour);
}

TEST_P(Painting, LabelsAndButtons) {
    Window().m_puzzleNumber = 293023;
    Paint();
    EXPECT_EQ("CLUES OFF", Label("CLUES").text);
    EXPECT_EQ(kStatusColour, Label("CLUES").textColour);
    EXPECT_EQ("Clear", Label("Clear").text);
    EXPECT_EQ("Load", Label("Load").text);
    EXPECT_EQ("Save", Label("Save").text);
    EXPECT_EQ("17 - 293023", Label("puzzle label").text);
    EXPECT_EQ("SOLVE", Label("SOLVE").text);
    EXPECT_EQ("PROVE", Label("PROVE").text);

    Window().m_showClues = true;
    Window().m_puzzleNumber = 0;
    Paint();
    EXPECT_EQ("CLUES ON", Label("CLUES").text);
    EXPECT_EQ("17 - 0", Label("puzzle label").text);

    for (int number : {-1, 293024}) {
        Window().m_puzzleNumber = number;
        Paint();
        EXPECT_EQ("User Entered", Label("puzzle label").text);
    }
}

// 96 DPI is the layout itself; at 144 DPI (150 %) the boxes stand 240 pixels apart.
INSTANTIATE_TEST_SUITE_P(Dpi, Painting,
                         ::testing::Values(DpiCase{96, 160, 501, 554, 16, 46},
                                           DpiCase{144, 240, 752, 831, 24, 69}));

} // namespace

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

const COLORREF kBoxPen = RGB(180, 100, 100);
const COLORREF kCellPen = RGB(100, 100, 250);
const COLORREF kSelectionPen = RGB(220, 100, 100);

class Painting : public WindowTest {
protected:
    void Paint() {
        Window().Invalidate();
        Window().UpdateWindow();
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

    const DrawOp& Text(int x, int y) {
        const DrawOp* op = TextAt(x, y);
        if (!op) {
            static const DrawOp none;
            ADD_FAILURE() << "no text at " << x << "," << y;
            return none;
        }
        return *op;
    }
};

TEST_F(Painting, DrawsTheBackgroundAndTheGridWithItsPens) {
    Paint();
    const DrawOp& background = headless::LastPaint().front();
    EXPECT_EQ(DrawKind::Rectangle, background.kind);
    EXPECT_EQ(0, background.x);
    EXPECT_EQ(0, background.y);
    EXPECT_EQ(headless::kClientWidth, background.x2);
    EXPECT_EQ(headless::kClientHeight, background.y2);
    EXPECT_EQ(RGB(255, 255, 255), background.brushColour);
    EXPECT_EQ(kCellPen, background.pen.colour);

    std::vector<Line> expected;
    const int boxLines[] = {10, 170, 330, 490};
    const int cellLines[] = {63, 116, 223, 276, 383, 436};
    for (int x : boxLines) {
        expected.push_back({x, 10, x, 490, 2, kBoxPen});
    }
    for (int x : cellLines) {
        expected.push_back({x, 10, x, 490, 1, kCellPen});
    }
    for (int y : boxLines) {
        expected.push_back({10, y, 490, y, 2, kBoxPen});
    }
    for (int y : cellLines) {
        expected.push_back({10, y, 490, y, 1, kCellPen});
    }
    EXPECT_EQ(expected, Lines());
}

TEST_F(Painting, FramesTheSelectedCellIncludingTheBoxLinePixels) {
    Window().m_selCol = 2;
    Window().m_selRow = 4;
    Paint();
    const std::vector<Line> lines = Lines();
    ASSERT_EQ(24u, lines.size());
    // x0 = 53 * 2 + 0 + 10, y0 = 53 * 4 + 1 + 10: the frame of column 2 ends on the box line.
    const std::vector<Line> frame(lines.end() - 4, lines.end());
    EXPECT_EQ((std::vector<Line>{{116, 223, 116, 277, 2, kSelectionPen},
                                 {116, 277, 170, 277, 2, kSelectionPen},
                                 {170, 277, 170, 223, 2, kSelectionPen},
                                 {170, 223, 116, 223, 2, kSelectionPen}}),
              frame);
}

TEST_F(Painting, GivensAndOtherDigitsHaveTheirColoursInTheLargeFont) {
    ShowPuzzle(0);
    Enter(4, 0, 5);
    Paint();
    const DrawOp& given = Text(30, 14);
    EXPECT_EQ("1", given.text);
    EXPECT_EQ(RGB(225, 95, 95), given.textColour);
    EXPECT_EQ(46, given.font.height);
    const DrawOp& entered = Text(30 + 53 * 4, 14);
    EXPECT_EQ("5", entered.text);
    EXPECT_EQ(RGB(95, 205, 95), entered.textColour);
    EXPECT_EQ(OPAQUE, entered.bkMode);
    EXPECT_EQ(RGB(255, 255, 255), entered.bkColour);
}

TEST_F(Painting, BothFontsAreLightTahomaWithTheWindowsParameters) {
    ShowPuzzle(0);
    Paint();
    for (const headless::FontState& font : {Text(30, 14).font, Text(10, 500).font}) {
        EXPECT_EQ("Tahoma", font.face);
        EXPECT_EQ(FW_LIGHT, font.weight);
        EXPECT_EQ(0, font.width);
        EXPECT_EQ(ANSI_CHARSET, font.charSet);
        EXPECT_EQ(OUT_RASTER_PRECIS, font.outPrecision);
        EXPECT_EQ(CLIP_STROKE_PRECIS, font.clipPrecision);
        EXPECT_EQ(ANTIALIASED_QUALITY, font.quality);
        EXPECT_EQ(FF_SWISS | DEFAULT_PITCH, font.pitchAndFamily);
    }
    EXPECT_EQ(16, Text(10, 500).font.height);
}

TEST_F(Painting, CandidateMarksOnlyWithCluesOnAndOnlyForCandidates) {
    ShowPuzzle(0);
    Paint();
    EXPECT_EQ(nullptr, TextAt(17 + 53 * 4, 14));

    Window().m_showClues = true;
    Paint();
    // Cell (4, 0) sees 1 and 2 in its row and the 1 of line 0 at (4, 4).
    EXPECT_EQ(nullptr, TextAt(17 + 53 * 4, 14));
    EXPECT_EQ(nullptr, TextAt(17 + 53 * 4 + 16, 14));
    const DrawOp& three = Text(17 + 53 * 4 + 32, 14);
    EXPECT_EQ("3", three.text);
    EXPECT_EQ(RGB(150, 150, 150), three.textColour);
    EXPECT_EQ(16, three.font.height);
    EXPECT_EQ("9", Text(17 + 53 * 4 + 32, 14 + 32).text);
    EXPECT_EQ("5", Text(17 + 53 * 8 + 16, 14 + 53 * 7 + 16).text);
}

TEST_F(Painting, AClearedBoardShowsAllNineMarksInEveryCell) {
    Window().m_showClues = true;
    Window().ClearPuzzle();
    int marks = 0;
    for (const DrawOp& op : Texts()) {
        marks += op.font.height == 16 && op.textColour == RGB(150, 150, 150);
    }
    EXPECT_EQ(81 * 9, marks);
}

TEST_F(Painting, StatusLinePadsTheHashesWithBlanksAndCountsTheSolutions) {
    Window().m_board.m_imageCrc[0] = 0xABCDu;
    Window().m_board.m_fingerprint = 0x1234ABCDu;
    Window().m_solutions.Add(7);
    Paint();
    const DrawOp& status = Text(10, 500);
    EXPECT_EQ("    ABCD-1234ABCD: 1", status.text);
    EXPECT_EQ(RGB(20, 20, 20), status.textColour);
    EXPECT_EQ(nullptr, TextAt(10, 515));

    Window().m_solutions.Add(8);
    Paint();
    EXPECT_EQ("    ABCD-1234ABCD: 2", Text(10, 500).text);
    const DrawOp& warning = Text(10, 515);
    EXPECT_EQ("NOT REAL SUDOKU 2 or more sulutions exist.", warning.text);
    EXPECT_EQ(RGB(255, 20, 20), warning.textColour);
}

TEST_F(Painting, LabelsAndButtons) {
    Window().m_puzzleNumber = 293023;
    Paint();
    EXPECT_EQ("CLUES OFF", Text(10, 530).text);
    EXPECT_EQ(RGB(20, 20, 20), Text(10, 530).textColour);
    EXPECT_EQ("Clear", Text(200, 500).text);
    EXPECT_EQ("Load", Text(270, 500).text);
    EXPECT_EQ("Save", Text(340, 500).text);
    EXPECT_EQ("17 - 293023", Text(410, 500).text);
    EXPECT_EQ("SOLVE", Text(200, 530).text);
    EXPECT_EQ("PROVE", Text(340, 530).text);

    Window().m_showClues = true;
    Window().m_puzzleNumber = 0;
    Paint();
    EXPECT_EQ("CLUES ON", Text(10, 530).text);
    EXPECT_EQ("17 - 0", Text(410, 500).text);

    for (int number : {-1, 293024}) {
        Window().m_puzzleNumber = number;
        Paint();
        EXPECT_EQ("User Entered", Text(410, 500).text);
    }
}

} // namespace

#pragma once

#include "sudoku_dlg.h"

#include <cstring>

// Where the window draws what it shows and where a click lands, and the pens, fonts and colours
// it draws with. Every length is in client pixels at 96 DPI (100 %); the painting and the hit
// test scale each one with ScaleToDpi at the point of use.

// The one rounding rule: to the nearest pixel, halves away from zero. 96 DPI keeps every pixel,
// and because positions are scaled whole (never built from scaled steps), positions that meet
// at 96 DPI meet at every DPI: the frame of a box's last cell ends on the box line, two click
// areas that share a column share it scaled.
constexpr int ScaleToDpi(int pixels, UINT dpi) {
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi
                                        : -((-scaled + half) / kDefaultDpi));
}

constexpr CPoint ScaleToDpi(CPoint point, UINT dpi) {
    return CPoint(ScaleToDpi(point.x, dpi), ScaleToDpi(point.y, dpi));
}

// The client area the window gives itself, whatever size its dialog template would have.
constexpr int kClientWidth = 501;
constexpr int kClientHeight = 554;

// The board: cells step by 53 pixels from the board's origin at (10, 10).
constexpr int kBoardOrigin = 10;
constexpr int kCellPitch = 53;

// The line left of column i and above row i, 0 to 9; lines 0, 3, 6 and 9 are box lines. The lines
// take one extra pixel per box, which digits and marks do not.
constexpr int GridLine(int i) {
    return kBoardOrigin + kCellPitch * i + i / 3;
}
constexpr bool IsBoxLine(int i) {
    return i % 3 == 0;
}

// The selection frame's side, from its cell's left and top lines.
constexpr int kSelectionSize = 54;

// The top-left corner of the digit of cell (c, r), and of candidate mark d (1 to 9) there: three
// rows of three marks, 16 pixels apart.
constexpr CPoint DigitPosition(int c, int r) {
    return CPoint(30 + kCellPitch * c, 14 + kCellPitch * r);
}
constexpr CPoint MarkPosition(int c, int r, int d) {
    return CPoint(17 + kCellPitch * c + 16 * ((d - 1) % 3),
                  14 + kCellPitch * r + 16 * ((d - 1) / 3));
}

// The status and warning lines, left of the text buttons' first row.
constexpr CPoint kStatusPosition(10, 500);
constexpr CPoint kWarningPosition(10, 515);

// The pens of the grid.
struct PenStyle {
    int width;
    COLORREF colour;
};
constexpr PenStyle kBoxPen = {2, RGB(180, 100, 100)};
constexpr PenStyle kSelectionPen = {2, RGB(220, 100, 100)};
constexpr PenStyle kCellPen = {1, RGB(100, 100, 250)};

// The colours of the background and the texts.
constexpr COLORREF kBackgroundColour = RGB(255, 255, 255);
constexpr COLORREF kGivenColour = RGB(225, 95, 95);
constexpr COLORREF kOtherDigitColour = RGB(95, 205, 95);
constexpr COLORREF kCandidateColour = RGB(150, 150, 150);
constexpr COLORREF kStatusColour = RGB(20, 20, 20);
constexpr COLORREF kWarningColour = RGB(255, 20, 20);

// Both fonts: light, anti-aliased Tahoma. The small one draws the marks, the status and warning
// lines and the text buttons; the large one the digits.
struct FontStyle {
    const char* face;
    int weight;
    BYTE charSet;
    BYTE outPrecision;
    BYTE clipPrecision;
    BYTE quality;
    BYTE pitchAndFamily;
};
constexpr FontStyle kTextFont = {"Tahoma",
                                 FW_LIGHT,
                                 ANSI_CHARSET,
                                 OUT_RASTER_PRECIS,
                                 CLIP_STROKE_PRECIS,
                                 ANTIALIASED_QUALITY,
                                 FF_SWISS | DEFAULT_PITCH};
constexpr int kSmallFontHeight = 16;
constexpr int kLargeFontHeight = 46;

// The pixels that answer a click, inclusive at both ends.
struct ClickArea {
    int left;
    int top;
    int right;
    int bottom;

    bool Contains(CPoint point) const {
        return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
    }
    CPoint Middle() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
};

constexpr ClickArea ScaleToDpi(const ClickArea& area, UINT dpi) {
    return ClickArea{ScaleToDpi(area.left, dpi), ScaleToDpi(area.top, dpi),
                     ScaleToDpi(area.right, dpi), ScaleToDpi(area.bottom, dpi)};
}

// What a text button's label shows.
enum class ButtonLabel {
    Name,         // the button's name
    CluesState,   // "CLUES ON" or "CLUES OFF"
    PuzzleNumber, // "17 - " and the puzzle number, or "User Entered"
    None,         // nothing of its own: the number inside the puzzle label
};

// A painted text button: its name, its label and the top-left corner where that is drawn, the
// area a click presses it in, and the command it runs.
struct TextButton {
    const char* name;
    ButtonLabel label;
    CPoint drawnAt;
    ClickArea clickedIn;
    void (CSuDoKuDlg::*command)();
};

// In the order the labels are drawn and the areas tested. The areas of the puzzle label's two
// parts share x = 430: a click there presses both, the reload first.
inline constexpr TextButton kTextButtons[] = {
    {"CLUES", ButtonLabel::CluesState, {10, 530}, {10, 530, 60, 545}, &CSuDoKuDlg::ToggleClues},
    {"Clear", ButtonLabel::Name, {200, 500}, {200, 500, 230, 515}, &CSuDoKuDlg::ClearPuzzle},
    {"Load", ButtonLabel::Name, {270, 500}, {270, 500, 300, 515}, &CSuDoKuDlg::LoadPuzzleFile},
    {"Save", ButtonLabel::Name, {340, 500}, {340, 500, 370, 515}, &CSuDoKuDlg::SaveCommand},
    {"puzzle label",
     ButtonLabel::PuzzleNumber,
     {410, 500},
     {410, 500, 430, 515},
     &CSuDoKuDlg::ShowLibraryPuzzle},
    {"puzzle number",
     ButtonLabel::None,
     {430, 500},
     {430, 500, 470, 515},
     &CSuDoKuDlg::AskPuzzleNumber},
    {"SOLVE", ButtonLabel::Name, {200, 530}, {200, 530, 260, 545}, &CSuDoKuDlg::Solve},
    {"PROVE", ButtonLabel::Name, {340, 530}, {340, 530, 400, 545}, &CSuDoKuDlg::Prove},
};

// The button of that name, or none: those who drive the window (its tests, the window bench)
// press buttons by name.
inline const TextButton* FindTextButton(const char* name) {
    for (const TextButton& button : kTextButtons) {
        if (std::strcmp(button.name, name) == 0) {
            return &button;
        }
    }
    return nullptr;
}

#include "layout.h"
#include "sudoku_dlg.h"

#include "sources/library.h"

#include <cstdio>
#include <string>

namespace {

const char* const kWarning = "NOT REAL SUDOKU 2 or more sulutions exist.";
const char* const kCluesOn = "CLUES ON";
const char* const kCluesOff = "CLUES OFF";
const char* const kPuzzleLabelFormat = "17 - %d";
const char* const kUserEntered = "User Entered";

template <typename... Values> std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// A board digit as its one character: the window draws up to 81 of them in every paint.
std::string DigitText(unsigned char d) {
    return std::string(1, static_cast<char>('0' + d));
}

enum class Lines { Box, Cell };
enum class Direction { Vertical, Horizontal };

// The box lines or the cell lines in one direction, left to right or top to bottom.
void DrawGridLines(CDC& dc, Lines lines, Direction direction, UINT dpi) {
    const int start = ScaleToDpi(GridLine(0), dpi);
    const int end = ScaleToDpi(GridLine(9), dpi);
    for (int i = 0; i <= 9; ++i) {
        if (IsBoxLine(i) != (lines == Lines::Box)) {
            continue;
        }
        const int at = ScaleToDpi(GridLine(i), dpi);
        if (direction == Direction::Vertical) {
            dc.MoveTo(at, start);
            dc.LineTo(at, end);
        } else {
            dc.MoveTo(start, at);
            dc.LineTo(end, at);
        }
    }
}

void DrawSelectionFrame(CDC& dc, int c, int r, UINT dpi) {
    const int x0 = ScaleToDpi(GridLine(c), dpi);
    const int y0 = ScaleToDpi(GridLine(r), dpi);
    const int x1 = ScaleToDpi(GridLine(c) + kSelectionSize, dpi);
    const int y1 = ScaleToDpi(GridLine(r) + kSelectionSize, dpi);
    dc.MoveTo(x0, y0);
    dc.LineTo(x0, y1);
    dc.LineTo(x1, y1);
    dc.LineTo(x1, y0);
    dc.LineTo(x0, y0);
}

void CreateScaledPen(CPen& pen, const PenStyle& style, UINT dpi) {
    pen.CreatePen(PS_SOLID, ScaleToDpi(style.width, dpi), style.colour);
}

void TextOutAt(CDC& dc, CPoint at, const std::string& text, UINT dpi) {
    const CPoint scaled = ScaleToDpi(at, dpi);
    dc.TextOut(scaled.x, scaled.y, text);
}

} // namespace

void CSuDoKuDlg::OnPaint() {
    CPaintDC dc(this);
    const UINT dpi = GetDpi();
    DrawGrid(dc, dpi);
    DrawTexts(dc, dpi);
    CDialog::OnPaint();
}

// Everything visible is drawn by OnPaint; the background is only erased as the platform erases it.
BOOL CSuDoKuDlg::OnEraseBkgnd(CDC* dc) {
    CDialog::OnEraseBkgnd(dc);
    return TRUE;
}

// The picture shown while the minimised window is dragged.
HCURSOR CSuDoKuDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CSuDoKuDlg::DrawGrid(CDC& dc, UINT dpi) {
    CPen boxPen;
    CPen selectionPen;
    CPen cellPen;
    CreateScaledPen(boxPen, kBoxPen, dpi);
    CreateScaledPen(selectionPen, kSelectionPen, dpi);
    CreateScaledPen(cellPen, kCellPen, dpi);
    CBrush background(kBackgroundColour);
    HGDIOBJ keptPen = dc.SelectObject(cellPen);
    dc.SetBkColor(kBackgroundColour);
    dc.SetBkMode(OPAQUE);

    // The brush is put back as well, so that it is no longer selected when it is deleted.
    HGDIOBJ keptBrush = dc.SelectObject(background);
    CRect client;
    GetClientRect(&client);
    dc.Rectangle(0, 0, client.Width(), client.Height());

    for (Direction direction : {Direction::Vertical, Direction::Horizontal}) {
        dc.SelectObject(boxPen);
        DrawGridLines(dc, Lines::Box, direction, dpi);
        dc.SelectObject(cellPen);
        DrawGridLines(dc, Lines::Cell, direction, dpi);
    }
    if (m_selCol >= 0 && m_selCol <= 8) {
        dc.SelectObject(selectionPen);
        DrawSelectionFrame(dc, m_selCol, m_selRow, dpi);
    }
    dc.SelectObject(keptPen);
    dc.SelectObject(keptBrush);
}

void CSuDoKuDlg::DrawCell(CDC& dc, int c, int r, UINT dpi) {
    const unsigned char value = m_board.Value(c, r);
    if (value != 0) {
        dc.SelectObject(m_fontLarge);
        dc.SetTextColor(m_start.Value(c, r) == value ? kGivenColour : kOtherDigitColour);
        TextOutAt(dc, DigitPosition(c, r), DigitText(value), dpi);
        return;
    }
    if (!m_showClues) {
        return;
    }
    dc.SelectObject(m_fontSmall);
    dc.SetTextColor(kCandidateColour);
    for (unsigned char d = 1; d <= 9; ++d) {
        if (m_board.IsCandidate(c, r, d)) {
            TextOutAt(dc, MarkPosition(c, r, d), DigitText(d), dpi);
        }
    }
}

void CSuDoKuDlg::DrawTexts(CDC& dc, UINT dpi) {
    HGDIOBJ keptFont = dc.SelectObject(m_fontSmall);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            DrawCell(dc, c, r, dpi);
        }
    }

    dc.SelectObject(m_fontSmall);
    dc.SetTextColor(kStatusColour);
    TextOutAt(dc, kStatusPosition, HashPair(m_board) + ": " + std::to_string(m_solutions.GetSize()),
              dpi);
    if (m_solutions.GetSize() > 1) {
        dc.SetTextColor(kWarningColour);
        TextOutAt(dc, kWarningPosition, kWarning, dpi);
    }

    dc.SetTextColor(kStatusColour);
    for (const TextButton& button : kTextButtons) {
        if (button.label != ButtonLabel::None) {
            TextOutAt(dc, button.drawnAt, LabelOf(button), dpi);
        }
    }
    dc.SelectObject(keptFont);
}

std::string CSuDoKuDlg::LabelOf(const TextButton& button) const {
    switch (button.label) {
    case ButtonLabel::CluesState:
        return m_showClues ? kCluesOn : kCluesOff;
    case ButtonLabel::PuzzleNumber:
        return m_puzzleNumber >= 0 && m_puzzleNumber < kPuzzleNumberCount
                   ? Format(kPuzzleLabelFormat, m_puzzleNumber)
                   : kUserEntered;
    default:
        return button.name;
    }
}

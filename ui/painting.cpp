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

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBoxPenColour = RGB(180, 100, 100);
const COLORREF kSelectionPenColour = RGB(220, 100, 100);
const COLORREF kCellPenColour = RGB(100, 100, 250);
const COLORREF kGivenColour = RGB(225, 95, 95);
const COLORREF kOtherDigitColour = RGB(95, 205, 95);
const COLORREF kCandidateColour = RGB(150, 150, 150);
const COLORREF kStatusColour = RGB(20, 20, 20);
const COLORREF kWarningColour = RGB(255, 20, 20);

// Lines and frames take one extra pixel per box; digits and marks step by the cell pitch alone.
constexpr int kBoardEnd = 490;
constexpr int kSelectionSize = 54;
const int kBoxLines[] = {10, 170, 330, 490};
const int kCellLines[] = {63, 116, 223, 276, 383, 436};

constexpr int kDigitLeft = 30;
constexpr int kDigitTop = 14;
constexpr int kMarkLeft = 17;
constexpr int kMarkTop = 14;
constexpr int kMarkPitch = 16;

// The status and warning lines, left of the text buttons' first row.
constexpr int kStatusLeft = 10;
constexpr int kStatusTop = 500;
constexpr int kWarningTop = 515;

template <typename... Values> std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

template <std::size_t N> void DrawVerticalLines(CDC& dc, const int (&xs)[N]) {
    for (int x : xs) {
        dc.MoveTo(x, kBoardOrigin);
        dc.LineTo(x, kBoardEnd);
    }
}

template <std::size_t N> void DrawHorizontalLines(CDC& dc, const int (&ys)[N]) {
    for (int y : ys) {
        dc.MoveTo(kBoardOrigin, y);
        dc.LineTo(kBoardEnd, y);
    }
}

void DrawSelectionFrame(CDC& dc, int c, int r) {
    const int x0 = kCellPitch * c + c / 3 + kBoardOrigin;
    const int y0 = kCellPitch * r + r / 3 + kBoardOrigin;
    dc.MoveTo(x0, y0);
    dc.LineTo(x0, y0 + kSelectionSize);
    dc.LineTo(x0 + kSelectionSize, y0 + kSelectionSize);
    dc.LineTo(x0 + kSelectionSize, y0);
    dc.LineTo(x0, y0);
}

} // namespace

void CSuDoKuDlg::OnPaint() {
    CPaintDC dc(this);
    DrawGrid(dc);
    DrawTexts(dc);
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

void CSuDoKuDlg::DrawGrid(CDC& dc) {
    CPen boxPen(PS_SOLID, 2, kBoxPenColour);
    CPen selectionPen(PS_SOLID, 2, kSelectionPenColour);
    CPen cellPen(PS_SOLID, 1, kCellPenColour);
    CBrush background(kWhite);
    HGDIOBJ keptPen = dc.SelectObject(cellPen);
    dc.SetBkColor(kWhite);
    dc.SetBkMode(OPAQUE);

    // The brush is put back as well, so that it is no longer selected when it is deleted.
    HGDIOBJ keptBrush = dc.SelectObject(background);
    CRect client;
    GetClientRect(&client);
    dc.Rectangle(0, 0, client.Width(), client.Height());

    dc.SelectObject(boxPen);
    DrawVerticalLines(dc, kBoxLines);
    dc.SelectObject(cellPen);
    DrawVerticalLines(dc, kCellLines);
    dc.SelectObject(boxPen);
    DrawHorizontalLines(dc, kBoxLines);
    dc.SelectObject(cellPen);
    DrawHorizontalLines(dc, kCellLines);

    if (m_selCol >= 0 && m_selCol <= 8) {
        dc.SelectObject(selectionPen);
        DrawSelectionFrame(dc, m_selCol, m_selRow);
    }
    dc.SelectObject(keptPen);
    dc.SelectObject(keptBrush);
}

void CSuDoKuDlg::DrawCell(CDC& dc, int c, int r) {
    const unsigned char value = m_board.Value(c, r);
    if (value != 0) {
        dc.SelectObject(m_fontLarge);
        dc.SetTextColor(m_start.Value(c, r) == value ? kGivenColour : kOtherDigitColour);
        dc.TextOut(kDigitLeft + kCellPitch * c, kDigitTop + kCellPitch * r, Format("%d", value));
        return;
    }
    if (!m_showClues) {
        return;
    }
    dc.SelectObject(m_fontSmall);
    dc.SetTextColor(kCandidateColour);
    for (unsigned char d = 1; d <= 9; ++d) {
        if (m_board.IsCandidate(c, r, d)) {
            dc.TextOut(kMarkLeft + kCellPitch * c + kMarkPitch * ((d - 1) % 3),
                       kMarkTop + kCellPitch * r + kMarkPitch * ((d - 1) / 3), Format("%d", d));
        }
    }
}

void CSuDoKuDlg::DrawTexts(CDC& dc) {
    HGDIOBJ keptFont = dc.SelectObject(m_fontSmall);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            DrawCell(dc, c, r);
        }
    }

    dc.SelectObject(m_fontSmall);
    dc.SetTextColor(kStatusColour);
    dc.TextOut(kStatusLeft, kStatusTop,
               HashPair(m_board) + ": " + std::to_string(m_solutions.GetSize()));
    if (m_solutions.GetSize() > 1) {
        dc.SetTextColor(kWarningColour);
        dc.TextOut(kStatusLeft, kWarningTop, kWarning);
    }

    dc.SetTextColor(kStatusColour);
    for (const TextButton& button : kTextButtons) {
        if (button.label != ButtonLabel::None) {
            dc.TextOut(button.drawnAt.x, button.drawnAt.y, LabelOf(button));
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

#include "layout.h"
#include "sudoku_dlg.h"

#include "framework/message_box.h"
#include "framework/wait_cursor.h"

namespace {

const char* const kCaution =
    "Caution non-valid puzzles may take a while to process, please be patient.";
const char* const kFinished = "SuDoKu Finished";
const char* const kDeadEnd = "Dead End";

bool IsCell(int c, int r) {
    return c >= 0 && c <= 8 && r >= 0 && r <= 8;
}

// The column or row under a coordinate, or -1. A cell answers from one step of the pitch to the
// next, without the lines' extra pixel per box; the margin left of and above the board counts as
// the first column and row, as far as one pitch out.
int CellIndexAt(int pixel, UINT dpi) {
    if (pixel <= ScaleToDpi(kBoardOrigin - kCellPitch, dpi)) {
        return -1;
    }
    for (int i = 0; i < 9; ++i) {
        if (pixel < ScaleToDpi(kBoardOrigin + kCellPitch * (i + 1), dpi)) {
            return i;
        }
    }
    return -1;
}

bool HitCell(CPoint point, UINT dpi, int& c, int& r) {
    c = CellIndexAt(point.x, dpi);
    r = CellIndexAt(point.y, dpi);
    return IsCell(c, r);
}

// The digit of a main-keyboard or keypad digit key; 0 for every other key.
unsigned char DigitOfKey(UINT key) {
    if (key >= '1' && key <= '9') {
        return static_cast<unsigned char>(key - '0');
    }
    if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9) {
        return static_cast<unsigned char>(key - VK_NUMPAD0);
    }
    return 0;
}

} // namespace

void CSuDoKuDlg::OnLButtonDown(UINT flags, CPoint point) {
    // A click during a search is dropped whole: the search itself pumps this message.
    if (m_searching) {
        return;
    }
    const UINT dpi = GetDpi();
    int c = 0;
    int r = 0;
    if (HitCell(point, dpi, c, r) && m_board.Value(c, r) == 0) {
        m_selCol = c;
        m_selRow = r;
    } else {
        m_selCol = -1;
        m_selRow = -1;
        PressTextButtons(point, dpi);
    }
    InvalidateAndUpdate();
    CDialog::OnLButtonDown(flags, point);
}

void CSuDoKuDlg::PressTextButtons(CPoint point, UINT dpi) {
    for (const TextButton& button : kTextButtons) {
        if (ScaleToDpi(button.clickedIn, dpi).Contains(point)) {
            (this->*button.command)();
        }
    }
}

void CSuDoKuDlg::SaveCommand() {
    m_offerSave = true;
    m_stopAtFirst = true;
    SavePuzzleFile();
}

void CSuDoKuDlg::ToggleClues() {
    m_showClues = !m_showClues;
}

void CSuDoKuDlg::Solve() {
    m_offerSave = true;
    m_stopAtFirst = true;
    RunSearchWithWaitCursor();
}

void CSuDoKuDlg::Prove() {
    m_offerSave = true;
    m_stopAtFirst = false;
    AfxMessageBox(kCaution);
    RunSearchWithWaitCursor();
}

void CSuDoKuDlg::RunSearchWithWaitCursor() {
    CWaitCursor::Begin();
    m_searching = true;
    // What waits in the queue as the search starts is handled at its first cell.
    m_messageDrain.AskAtNextOffer();
    RunSearch();
    m_searching = false;
    CWaitCursor::End();
}

void CSuDoKuDlg::OnRButtonDown(UINT flags, CPoint point) {
    if (m_searching) {
        return;
    }
    int c = 0;
    int r = 0;
    if (HitCell(point, GetDpi(), c, r) && m_board.Value(c, r) != 0) {
        m_board.Remove(c, r);
        // Taking out a given takes it out of the start position too.
        if (m_start.Value(c, r) != 0) {
            m_start.Remove(c, r);
            m_startSaved = false;
        }
    }
    m_selCol = -1;
    m_selRow = -1;
    InvalidateAndUpdate();
    CDialog::OnRButtonDown(flags, point);
}

// During a search the platform would set the window's own cursor, the arrow, at every move of the
// pointer, until the search's next drain put the hourglass back. Over a window that a modal
// dialog has disabled (HTERROR) the platform keeps its own answer.
BOOL CSuDoKuDlg::OnSetCursor(int hitTest, UINT mouseMessage) {
    if (m_searching && hitTest != HTERROR) {
        CWaitCursor::Restore();
        return TRUE;
    }
    return CDialog::OnSetCursor(hitTest, mouseMessage);
}

void CSuDoKuDlg::OnKeyDown(UINT key, UINT repeatCount, UINT flags) {
    const unsigned char digit = DigitOfKey(key);
    if (IsCell(m_selCol, m_selRow) && digit != 0 && m_board.Place(m_selCol, m_selRow, digit)) {
        if (m_board.IsSolved()) {
            AfxMessageBox(kFinished);
        }
        if (m_board.IsDeadEnd()) {
            AfxMessageBox(kDeadEnd);
        }
    }
    // The repaint still shows the selection frame; the selection is dropped only after it.
    InvalidateAndUpdate();
    m_selCol = -1;
    m_selRow = -1;
    CDialog::OnKeyDown(key, repeatCount, flags);
}

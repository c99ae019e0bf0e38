#include "sudoku_dlg.h"
#include "layout.h"

#include "framework/resources.h"
#include "framework/wait_cursor.h"
#include "resources/resource.h"
#include "start_number.h"

#include <ctime>

namespace {

void CreateWindowFont(CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, kTextFont.weight, FALSE, FALSE, FALSE, kTextFont.charSet,
                    kTextFont.outPrecision, kTextFont.clipPrecision, kTextFont.quality,
                    kTextFont.pitchAndFamily, kTextFont.face);
}

} // namespace

CSuDoKuDlg::CSuDoKuDlg(CWnd* parent)
    : CDialog(IDD_SUDOKU_DIALOG, parent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)),
      m_puzzleNumber(DrawStartNumber(static_cast<std::uint32_t>(std::time(nullptr)))) {
    CreateFonts(GetDpi());
}

CSuDoKuDlg::~CSuDoKuDlg() = default;

void CSuDoKuDlg::CreateFonts(UINT dpi) {
    CreateWindowFont(m_fontSmall, ScaleToDpi(kSmallFontHeight, dpi));
    CreateWindowFont(m_fontLarge, ScaleToDpi(kLargeFontHeight, dpi));
}

// The dialog template's size follows the dialog font, which the user's system chooses; the
// painting needs the layout's client area, whatever that font.
void CSuDoKuDlg::FitToDpi() {
    const UINT dpi = GetDpi();
    SetClientSize(ScaleToDpi(kClientWidth, dpi), ScaleToDpi(kClientHeight, dpi));
    CreateFonts(dpi);
}

// The window goes where the platform suggests, and is then sized from the layout, since the
// suggested size is the old one scaled and may be a pixel off. The message is not handed on:
// the dialog manager would size the window from its template again.
void CSuDoKuDlg::OnDpiChanged(UINT, const CRect& suggested) {
    SetWindowPos(nullptr, suggested.left, suggested.top, suggested.Width(), suggested.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitToDpi();
    InvalidateAndUpdate();
}

void CSuDoKuDlg::ClearPuzzle() {
    m_board.Clear();
    m_start.Clear();
    m_solution.Clear();
    m_startSaved = false;
    m_selCol = -1;
    m_selRow = -1;
    m_solutions.RemoveAll();
    m_visited.RemoveAll();
    InvalidateAndUpdate();
}

// A handler may have changed the cursor; while the search runs it shows the hourglass again.
bool CSuDoKuDlg::DrainMessages() {
    if (!m_messageDrain.PumpIfDue()) {
        return false;
    }
    CWaitCursor::Restore();
    return true;
}

void CSuDoKuDlg::InvalidateAndUpdate() {
    Invalidate(TRUE);
    UpdateWindow();
}

#include "sudoku_dlg.h"

#include "framework/resources.h"
#include "framework/wait_cursor.h"
#include "resources/resource.h"
#include "start_number.h"

#include <ctime>

namespace {

const char* const kFontFace = "Tahoma";
constexpr int kSmallFontHeight = 16;
constexpr int kLargeFontHeight = 46;

void CreateWindowFont(CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, FW_LIGHT, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_RASTER_PRECIS,
                    CLIP_STROKE_PRECIS, ANTIALIASED_QUALITY, FF_SWISS | DEFAULT_PITCH, kFontFace);
}

} // namespace

CSuDoKuDlg::CSuDoKuDlg(CWnd* parent)
    : CDialog(IDD_SUDOKU_DIALOG, parent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)),
      m_puzzleNumber(DrawStartNumber(static_cast<std::uint32_t>(std::time(nullptr)))) {
    CreateWindowFont(m_fontSmall, kSmallFontHeight);
    CreateWindowFont(m_fontLarge, kLargeFontHeight);
}

CSuDoKuDlg::~CSuDoKuDlg() = default;

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

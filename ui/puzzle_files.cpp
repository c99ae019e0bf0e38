#include "sudoku_dlg.h"

#include "framework/file_dialog.h"
#include "framework/wait_cursor.h"

#include <cstring>

void CSuDoKuDlg::LoadPuzzleFile() {
    // The board is cleared before the dialog, so a cancelled load leaves it empty.
    ClearPuzzle();
    CFileDialog dialog(TRUE, kPuzzleFileExtension, kPuzzleFileOpenName,
                       OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kPuzzleFileFilter, this);
    dialog.m_initialDir = kPuzzleFileFolder;
    if (dialog.DoModal() != IDOK || !ReadPuzzleFile(dialog.GetPathName(), m_fileBuffer)) {
        return;
    }
    m_selCol = -1;
    m_selRow = -1;
    // Digits that break the rules are refused by Place, so the first of two equal digits in
    // row-by-row order stays.
    m_board.PlaceGrid(m_fileBuffer);
    // Every loaded digit counts as a given; the next search still takes the board as it then
    // stands as its start, since m_startSaved stays false.
    m_start = m_board;
    InvalidateAndUpdate();
}

void CSuDoKuDlg::SavePuzzleFile() {
    BringToFront();
    const std::string proposedName = ProposedFileName(m_start, m_board);
    if (!m_offerSave) {
        return;
    }
    CFileDialog dialog(FALSE, kPuzzleFileExtension, proposedName.c_str(), OFN_HIDEREADONLY,
                       kPuzzleFileFilter, this);
    dialog.m_initialDir = kPuzzleFileFolder;
    if (dialog.DoModal() == IDOK) {
        std::memcpy(m_fileBuffer, m_board.m_value, sizeof m_fileBuffer);
        WritePuzzleFile(dialog.GetPathName(), m_fileBuffer);
    } else {
        // Further solutions of the same search are not offered.
        m_offerSave = false;
    }
    CWaitCursor::Restore();
}

// A search offers its solutions from behind whatever window the user has moved to. While
// another program is in front, the platform does not let this one take the focus, so the
// taskbar button calls the user back.
void CSuDoKuDlg::BringToFront() {
    ShowWindow(SW_SHOWNORMAL);
    HWND previouslyActive = SetActiveWindow();
    SetWindowPos(previouslyActive, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    FlashUntilInFront();
}

#include "library_crc.h"
#include "sources/library.h"
#include "sudoku_dlg.h"

#include "framework/message_box.h"
#include "framework/process.h"

namespace {

// The program's own file, found by this name in the current folder; the library is its tail.
const char* const kProgramFileName = "Kestrova.exe";

} // namespace

BOOL CSuDoKuDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    FitToDpi();
    AddPuzzleNumberEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_startSaved = false;
    if (ReadPuzzleLibrary()) {
        ShowLibraryPuzzle();
    }
    return TRUE;
}

// A damaged program file leaves nothing to play: the user is told and the process ends.
bool CSuDoKuDlg::ReadPuzzleLibrary() {
    m_library.reset(new unsigned char[kLibraryLength]());
    const LibraryStatus status =
        ReadLibraryFile(kProgramFileName, m_library.get(), kLibraryLength, kLibraryCrc);
    if (status != LibraryStatus::Good) {
        AfxMessageBox(LibraryErrorText(status));
        AfxExitProcess(0);
    }
    return true;
}

void CSuDoKuDlg::ShowLibraryPuzzle() {
    ClearPuzzle();
    m_puzzleNumber = ReducePuzzleNumber(m_puzzleNumber);
    if (m_puzzleNumber < 0 || m_puzzleNumber >= kPuzzleNumberCount || !m_library) {
        return;
    }
    SetUpLibraryPuzzle(m_board, m_library.get(), m_puzzleNumber);
    m_start = m_board;
    m_startSaved = true;
    InvalidateAndUpdate();
}

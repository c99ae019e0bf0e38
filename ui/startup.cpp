#include "about_dlg.h"
#include "library_crc.h"
#include "sources/library.h"
#include "sudoku_dlg.h"

#include "framework/message_box.h"
#include "framework/process.h"
#include "framework/resources.h"
#include "resources/resource.h"

namespace {

// The program's own file, found by this name in the current folder; the library is its tail.
const char* const kProgramFileName = "Kestrova.exe";

} // namespace

BOOL CSuDoKuDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddPuzzleNumberEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_startSaved = false;
    if (ReadPuzzleLibrary()) {
        ShowLibraryPuzzle();
    }
    return TRUE;
}

void CSuDoKuDlg::AddPuzzleNumberEntry() {
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu) {
        return;
    }
    const std::string entry = AfxLoadString(IDS_ABOUTBOX);
    if (!entry.empty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, entry.c_str());
    }
    systemMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
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

void CSuDoKuDlg::AskPuzzleNumber() {
    CAboutDlg box;
    box.m_puzzleNumber = m_puzzleNumber;
    if (box.DoModal() != IDOK) {
        return;
    }
    m_puzzleNumber = box.m_puzzleNumber;
    ShowLibraryPuzzle();
    InvalidateAndUpdate();
}

void CSuDoKuDlg::OnSysCommand(UINT id, LPARAM lParam) {
    // The low four bits of a system command are the platform's own.
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        AskPuzzleNumber();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

HCURSOR CSuDoKuDlg::OnQueryDragIcon() {
    return m_hIcon;
}

BOOL CSuDoKuDlg::OnEraseBkgnd(CDC* dc) {
    CDialog::OnEraseBkgnd(dc);
    return TRUE;
}

// Enter must not close the window.
void CSuDoKuDlg::OnOK() {}

// The close box ends the program at once, also in the middle of a search.
void CSuDoKuDlg::OnClose() {
    AfxExitProcess(0);
}

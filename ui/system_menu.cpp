#include "about_dlg.h"
#include "sudoku_dlg.h"

#include "framework/resources.h"
#include "resources/resource.h"

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

void CSuDoKuDlg::OnSysCommand(UINT id, LPARAM lParam) {
    // The low four bits of a system command are the platform's own.
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        AskPuzzleNumber();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
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

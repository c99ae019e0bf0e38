#include "app.h"

#include "sudoku_dlg.h"

bool CcorvantaApp::InitInstance() {
    CWinApp::InitInstance();
    CSuDoKuDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // False ends the program.
    return false;
}

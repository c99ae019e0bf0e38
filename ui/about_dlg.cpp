#include "about_dlg.h"

#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_PUZZLE_NUMBER, m_puzzleNumber);
}

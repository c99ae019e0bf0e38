#include "sudoku_dlg.h"

#include "framework/process.h"

// Escape ends the window's modal loop through the dialog's own cancel command; the two ways
// below are the window's.

// Enter must not close the window.
void CSuDoKuDlg::OnOK() {}

// The close box ends the program at once, also in the middle of a search.
void CSuDoKuDlg::OnClose() {
    AfxExitProcess(0);
}

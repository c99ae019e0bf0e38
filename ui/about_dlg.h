#pragma once

#include "framework/dialog.h"

// The puzzle-number box: an edit field for a signed number and an OK button.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    int m_puzzleNumber = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

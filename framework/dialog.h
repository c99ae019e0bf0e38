#pragma once

#include "framework/wnd.h"

class CDC;
class CDialog;

// One exchange of data between a dialog's members and its controls.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // Refuses the exchange: the control gets the focus with its text selected.
    void Fail(int controlId);
    bool Failed() const { return m_failed; }

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;

private:
    bool m_failed = false;
};

// Exchanges a signed integer with an edit control. Reading takes the first 63 characters of the
// text: leading blanks are skipped, then an optional sign and the digits after it are taken and
// anything after them is ignored. Text without such a number, or one outside the range of int,
// shows "Please enter an integer." and fails the exchange.
void DDX_Text(CDataExchange* pDX, int controlId, int& value);

// Reads a signed integer as DDX_Text does; false when the text holds none.
bool ParseDialogInteger(const std::string& text, int& value);

// A dialog box built from a resource template and run modally. Window messages reach the
// virtual handlers below through HandleMessage, on every backend.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_parent(parent) {}

    // Creates the dialog, runs its modal loop and returns the result given to EndDialog.
    virtual int DoModal();
    void EndDialog(int result);
    // Moves data from the controls to the members (TRUE) or back; false when refused.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Runs the handler of one message. True when the handler has answered it (result holds the
    // answer); false when the message is left to the platform's default processing.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnClose();
    // The pointer moved over the window: TRUE when the handler has set the cursor itself.
    virtual BOOL OnSetCursor(int hitTest, UINT mouseMessage);
    // The window has moved to a screen of another DPI; the platform suggests a rectangle for it
    // there, in screen pixels.
    virtual void OnDpiChanged(UINT dpi, const CRect& suggested);

    // Hands the message being handled on to the platform's default processing.
    void Default() { m_defaultRequested = true; }

private:
    UINT m_templateId;
    CWnd* m_parent;
    bool m_defaultRequested = false;
};

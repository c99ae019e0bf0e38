#include "framework/dialog.h"

namespace {

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG || message == WM_QUERYDRAGICON;
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtr(hwnd, GWLP_USERDATA, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hwnd;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!dialog) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        dialog->m_hWnd = nullptr;
        SetWindowLongPtr(hwnd, GWLP_USERDATA, 0);
        return FALSE;
    }
    LRESULT result = 0;
    if (!dialog->HandleMessage(message, wParam, lParam, result)) {
        return FALSE;
    }
    if (AnswersDirectly(message)) {
        return result;
    }
    SetWindowLongPtr(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

int CDialog::DoModal() {
    HWND parent = m_parent ? m_parent->m_hWnd : nullptr;
    return static_cast<int>(DialogBoxParamW(GetModuleHandleW(nullptr),
                                            MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                                            reinterpret_cast<LPARAM>(this)));
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

#include "framework/dialog.h"

#include "framework/app.h"

#include <algorithm>

namespace {

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Centres an owned dialog over its owner, or over the screen while the owner is out of sight,
// and keeps it whole on the owner's screen.
void CentreOverOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner) {
        return;
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    const RECT over = IsIconic(owner) || !IsWindowVisible(owner) ? screen : WindowRect(owner);
    const RECT box = WindowRect(dialog);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int left = std::clamp((over.left + over.right - width) / 2, screen.left,
                                std::max(screen.left, screen.right - width));
    const int top = std::clamp((over.top + over.bottom - height) / 2, screen.top,
                               std::max(screen.top, screen.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a parent of its own, a dialog belongs to the application's main window: the platform
// keeps it above that window and disables the window while the dialog is open.
HWND OwnerOf(const CDialog& dialog, CWnd* parent) {
    if (parent) {
        return parent->m_hWnd;
    }
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    return main && main != &dialog ? main->m_hWnd : nullptr;
}

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
    const bool handled = dialog->HandleMessage(message, wParam, lParam, result);
    if (message == WM_INITDIALOG) {
        CentreOverOwner(hwnd);
    }
    if (!handled) {
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
    return static_cast<int>(
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId),
                        OwnerOf(*this, m_parent), DialogProc, reinterpret_cast<LPARAM>(this)));
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

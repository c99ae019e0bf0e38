#include "framework/wnd.h"

#include "utf16.h"

#include <vector>

void CWnd::Invalidate(BOOL erase) {
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, erase);
    }
}

void CWnd::UpdateWindow() {
    if (m_hWnd) {
        ::UpdateWindow(m_hWnd);
    }
}

void CWnd::GetClientRect(CRect* rect) const {
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    *rect = CRect{client.left, client.top, client.right, client.bottom};
}

// The frame's size comes from the platform's own metrics at the window's DPI.
void CWnd::SetClientSize(int width, int height) {
    RECT frame = {0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)),
                             GetMenu(m_hWnd) != nullptr,
                             static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE)), GetDpi());
    RECT window = {};
    ::GetWindowRect(m_hWnd, &window);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    ::SetWindowPos(m_hWnd, nullptr, (window.left + window.right - frameWidth) / 2,
                   (window.top + window.bottom - frameHeight) / 2, frameWidth, frameHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT CWnd::GetDpi() const {
    const UINT dpi = m_hWnd ? GetDpiForWindow(m_hWnd) : 0;
    return dpi ? dpi : kDefaultDpi;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    m_systemMenu.m_handle = ::GetSystemMenu(m_hWnd, revert);
    return m_systemMenu.m_handle ? &m_systemMenu : nullptr;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(SendMessage(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}

HWND CWnd::SetActiveWindow() {
    return ::SetActiveWindow(m_hWnd);
}

BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height, flags);
}

// The foreground window may belong to this program's own dialog, which also counts as in front.
void CWnd::FlashUntilInFront() {
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
    if (foregroundProcess == GetCurrentProcessId()) {
        return;
    }
    FLASHWINFO flash = {};
    flash.cbSize = sizeof flash;
    flash.hwnd = m_hWnd;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

std::string CWnd::GetDlgItemText(int id, std::size_t maxChars) const {
    std::vector<wchar_t> text(maxChars + 1, L'\0');
    const UINT length = ::GetDlgItemTextW(m_hWnd, id, text.data(), static_cast<int>(text.size()));
    return ToUtf8(std::wstring(text.data(), length));
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    ::SetDlgItemTextW(m_hWnd, id, ToUtf16(text).c_str());
}

void CWnd::FocusAndSelectAll(int id) {
    HWND control = GetDlgItem(m_hWnd, id);
    SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessage(control, EM_SETSEL, 0, -1);
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const char* text) {
    return ::AppendMenuW(static_cast<HMENU>(m_handle), flags, id,
                         text ? ToUtf16(text).c_str() : nullptr);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
    return ::DeleteMenu(static_cast<HMENU>(m_handle), position, flags);
}

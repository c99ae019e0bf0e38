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

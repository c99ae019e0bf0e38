#include "framework/dialog.h"
#include "page.h"

#include <vector>

// The drawing context of an update: the backgound is erased first when asked, as the platform
// does when painting begins (CPaintDC).
void CWnd::Invalidate(BOOL erase) {
    if (m_hWnd) {
        m_hWnd->invalid = true;
        m_hWnd->erase = m_hWnd->erase || erase;
    }
}

void CWnd::UpdateWindow() {
    if (m_hWnd && m_hWnd->invalid) {
        web::Deliver(m_hWnd, WM_PAINT, 0, 0);
        // A handler that left the paint to the platform has it validated.
        m_hWnd->invalid = false;
        m_hWnd->erase = false;
    }
}

// The client area in device pixels, as the platform gives it to a window that knows its DPI.
void CWnd::GetClientRect(CRect* rect) const {
    *rect = CRect{0, 0, 0, 0};
    if (!m_hWnd) {
        return;
    }
    int size[2] = {};
    kw_client_size(m_hWnd->id, size);
    *rect = CRect{0, 0, size[0], size[1]};
}

void CWnd::SetClientSize(int width, int height) {
    if (m_hWnd) {
        kw_set_client_size(m_hWnd->id, width, height);
    }
}

// The page's device pixels per CSS pixel, as a DPI.
UINT CWnd::GetDpi() const {
    return m_hWnd ? static_cast<UINT>(kw_dpi()) : kDefaultDpi;
}

// The page gives every window the same system menu: Close.
CMenu* CWnd::GetSystemMenu(BOOL) {
    if (!m_hWnd) {
        return nullptr;
    }
    m_systemMenu.m_handle = m_hWnd;
    return &m_systemMenu;
}

HICON CWnd::SetIcon(HICON icon, BOOL) {
    if (m_hWnd && icon) {
        kw_set_icon(m_hWnd->id, icon->file);
    }
    return nullptr;
}

// The page's window is always shown, in front and active.
BOOL CWnd::ShowWindow(int) {
    return TRUE;
}

HWND CWnd::SetActiveWindow() {
    return m_hWnd;
}

BOOL CWnd::SetWindowPos(HWND, int, int, int, int, UINT) {
    return m_hWnd ? TRUE : FALSE;
}

void CWnd::FlashUntilInFront() {
    kw_call_attention();
}

std::string CWnd::GetDlgItemText(int id, std::size_t maxChars) const {
    if (!m_hWnd) {
        return std::string();
    }
    // A character takes at most four bytes of UTF-8.
    std::vector<char> text(maxChars * 4 + 1, '\0');
    const int length = kw_control_text(m_hWnd->id, id, static_cast<int>(maxChars), text.data(),
                                       static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    if (m_hWnd) {
        kw_set_control_text(m_hWnd->id, id, text.c_str());
    }
}

void CWnd::FocusAndSelectAll(int id) {
    if (m_hWnd) {
        kw_focus_select(m_hWnd->id, id);
    }
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const char* text) {
    kw_menu_append(static_cast<HWND>(m_handle)->id, static_cast<int>(flags), static_cast<int>(id),
                   text ? text : "");
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT) {
    return kw_menu_delete(static_cast<HWND>(m_handle)->id, static_cast<int>(position));
}

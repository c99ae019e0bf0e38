#pragma once

#include "framework/geometry.h"
#include "platform_types.h"

#include <cstddef>
#include <string>

// A menu owned by the platform, reached through a window (only the system menu is used).
class CMenu {
public:
    BOOL AppendMenu(UINT flags, UINT id = 0, const char* text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);

    void* m_handle = nullptr;
};

// A window of the platform, reached through its handle. The handle is set while the window
// exists; the object does not own it.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // Marks the whole client area for repainting, with the background erased when asked.
    void Invalidate(BOOL erase = TRUE);
    // Paints at once whatever is marked for repainting.
    void UpdateWindow();
    void GetClientRect(CRect* rect) const;
    CMenu* GetSystemMenu(BOOL revert);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL ShowWindow(int command);
    // Makes this window the active one and returns the window that was active before.
    HWND SetActiveWindow();
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);

    // Text of a child control, at most maxChars characters.
    std::string GetDlgItemText(int id, std::size_t maxChars) const;
    void SetDlgItemText(int id, const std::string& text);
    // Gives a child edit control the focus with all its text selected.
    void FocusAndSelectAll(int id);

    HWND m_hWnd = nullptr;

private:
    CMenu m_systemMenu;
};

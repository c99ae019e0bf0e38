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

// The DPI of 100 %: what a window reports where the platform gives none, and the DPI the window
// code lays itself out in.
constexpr UINT kDefaultDpi = 96;

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
    // Resizes the window, frame included, so that its client area becomes width x height pixels;
    // the window's centre stays where it was.
    void SetClientSize(int width, int height);
    // The dots per inch of the screen the window is on: 96 at 100 %, 144 at 150 %; kDefaultDpi
    // before the window exists.
    UINT GetDpi() const;
    CMenu* GetSystemMenu(BOOL revert);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL ShowWindow(int command);
    // Makes this window the active one and returns the window that was active before.
    HWND SetActiveWindow();
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    // While another program is in front, flashes the window's taskbar button until the user
    // brings this program to the front; nothing while it is in front already.
    void FlashUntilInFront();

    // Text of a child control, at most maxChars characters.
    std::string GetDlgItemText(int id, std::size_t maxChars) const;
    void SetDlgItemText(int id, const std::string& text);
    // Gives a child edit control the focus with all its text selected.
    void FocusAndSelectAll(int id);

    HWND m_hWnd = nullptr;

private:
    CMenu m_systemMenu;
};

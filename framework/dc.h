#pragma once

#include "framework/gdi.h"

#include <string>

class CWnd;

// A drawing context. Does not own its handle: CPaintDC obtains and releases one for a paint.
class CDC {
public:
    explicit CDC(HDC dc = nullptr) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Both return the object that was selected before, for selecting it again later.
    HGDIOBJ SelectObject(const CGdiObject& object) { return SelectObject(object.GetSafeHandle()); }
    HGDIOBJ SelectObject(HGDIOBJ object);

    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF colour);

    // Filled with the selected brush and outlined with the selected pen.
    BOOL Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    // Draws with the selected pen from the current position up to, not including, (x, y).
    BOOL LineTo(int x, int y);
    BOOL TextOut(int x, int y, const std::string& text);

    HDC m_hDC;
};

// The drawing context of one WM_PAINT: begins painting the window on construction and ends it
// on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    // The headless backend has no real window to end the paint of.
    [[maybe_unused]] CWnd* m_window;
    PAINTSTRUCT m_paint;
};

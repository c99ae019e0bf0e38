#include "framework/dc.h"
#include "framework/wnd.h"

#include "utf16.h"

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return ::SelectObject(m_hDC, object);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    return ::SetBkColor(m_hDC, colour);
}

int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return ::SetTextColor(m_hDC, colour);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    return ::Rectangle(m_hDC, left, top, right, bottom);
}

void CDC::MoveTo(int x, int y) {
    MoveToEx(m_hDC, x, y, nullptr);
}

BOOL CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    const std::wstring wide = ToUtf16(text);
    return ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window), m_paint() {
    m_hDC = BeginPaint(window->m_hWnd, &m_paint);
}

CPaintDC::~CPaintDC() {
    EndPaint(m_window->m_hWnd, &m_paint);
}

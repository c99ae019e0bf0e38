#include "framework/dc.h"
#include "framework/wnd.h"
#include "page.h"

#include <algorithm>
#include <utility>

namespace {

// What a fresh drawing context has selected: a black pen of width 1, a white brush and the
// system font.
web::GdiObject& StockObject(web::GdiKind kind) {
    static web::GdiObject stock[] = {{web::GdiKind::Pen, 1, RGB(0, 0, 0), 0, 0, ""},
                                     {web::GdiKind::Brush, 1, RGB(255, 255, 255), 0, 0, ""},
                                     {web::GdiKind::Font, 1, RGB(0, 0, 0), 16, 700, "System"}};
    return stock[static_cast<int>(kind)];
}

HGDIOBJ& SlotOf(HDC__& dc, web::GdiKind kind) {
    switch (kind) {
    case web::GdiKind::Pen:
        return dc.pen;
    case web::GdiKind::Brush:
        return dc.brush;
    default:
        return dc.font;
    }
}

const web::GdiObject& Selected(HGDIOBJ handle, web::GdiKind kind) {
    return handle ? *static_cast<const web::GdiObject*>(handle) : StockObject(kind);
}

// The pixels a pen of that width covers across a line at coordinate c: c itself for the
// one-pixel pen, and for a wider one a band of its width with c - width / 2 first (a 2-pixel line
// at x = 10 covers 9 and 10).
int BandStart(int c, int width) {
    return c - width / 2;
}

// Along an axis-parallel line from a to b: the one-pixel pen draws a and stops before b; a wider
// pen covers both ends and its end caps reach half its width beyond them.
void AlongRange(int a, int b, int width, int& first, int& count) {
    if (width == 1) {
        first = a < b ? a : b + 1;
        count = a < b ? b - a : a - b;
        return;
    }
    first = BandStart(std::min(a, b), width);
    count = std::max(a, b) - std::min(a, b) + width;
}

void DrawLine(const HDC__& dc, int x0, int y0, int x1, int y1) {
    const web::GdiObject& pen = Selected(dc.pen, web::GdiKind::Pen);
    int first = 0;
    int count = 0;
    if (y0 == y1) {
        AlongRange(x0, x1, pen.width, first, count);
        kw_fill_rect(dc.window, first, BandStart(y0, pen.width), count, pen.width, pen.colour);
    } else if (x0 == x1) {
        AlongRange(y0, y1, pen.width, first, count);
        kw_fill_rect(dc.window, BandStart(x0, pen.width), first, pen.width, count, pen.colour);
    } else {
        kw_stroke_line(dc.window, x0, y0, x1, y1, pen.width, pen.colour);
    }
}

} // namespace

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    if (!object) {
        return nullptr;
    }
    const web::GdiKind kind = static_cast<const web::GdiObject*>(object)->kind;
    HGDIOBJ& slot = SlotOf(*m_hDC, kind);
    HGDIOBJ previous = slot ? slot : &StockObject(kind);
    slot = object;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    return std::exchange(m_hDC->bkColour, colour);
}

int CDC::SetBkMode(int mode) {
    return std::exchange(m_hDC->bkMode, mode);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return std::exchange(m_hDC->textColour, colour);
}

// The outline runs along the edges that the pen's lines from (left, top) to (right - 1,
// bottom - 1) cover; the brush fills what lies inside it.
BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    const web::GdiObject& pen = Selected(m_hDC->pen, web::GdiKind::Pen);
    const web::GdiObject& brush = Selected(m_hDC->brush, web::GdiKind::Brush);
    const int outerLeft = BandStart(left, pen.width);
    const int outerTop = BandStart(top, pen.width);
    const int outerRight = BandStart(right - 1, pen.width) + pen.width;
    const int outerBottom = BandStart(bottom - 1, pen.width) + pen.width;
    kw_fill_rect(m_hDC->window, outerLeft, outerTop, outerRight - outerLeft, outerBottom - outerTop,
                 pen.colour);
    const int inset = pen.width;
    if (outerRight - outerLeft > 2 * inset && outerBottom - outerTop > 2 * inset) {
        kw_fill_rect(m_hDC->window, outerLeft + inset, outerTop + inset,
                     outerRight - outerLeft - 2 * inset, outerBottom - outerTop - 2 * inset,
                     brush.colour);
    }
    return TRUE;
}

void CDC::MoveTo(int x, int y) {
    m_hDC->x = x;
    m_hDC->y = y;
}

BOOL CDC::LineTo(int x, int y) {
    DrawLine(*m_hDC, m_hDC->x, m_hDC->y, x, y);
    m_hDC->x = x;
    m_hDC->y = y;
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    const web::GdiObject& font = Selected(m_hDC->font, web::GdiKind::Font);
    kw_text_out(m_hDC->window, x, y, text.c_str(), font.height, font.weight, font.face.c_str(),
                m_hDC->textColour, m_hDC->bkColour, m_hDC->bkMode == OPAQUE ? 1 : 0);
    return TRUE;
}

// Painting begins with the erasing of the background when the update asked for it.
CPaintDC::CPaintDC(CWnd* window) : m_window(window) {
    m_paint.hdc = new HDC__;
    m_paint.hdc->window = window->m_hWnd->id;
    m_hDC = m_paint.hdc;
    kw_begin_paint(m_hDC->window);
    if (window->m_hWnd->erase) {
        window->m_hWnd->erase = false;
        web::Deliver(window->m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_hDC), 0);
    }
    window->m_hWnd->invalid = false;
}

CPaintDC::~CPaintDC() {
    kw_end_paint(m_hDC->window);
    delete m_paint.hdc;
}

#include "framework/dc.h"
#include "framework/wnd.h"
#include "state.h"

namespace headless {

namespace {

// What a fresh drawing context has selected: a black pen of width 1, a white brush and the
// system font.
GdiObject& StockObject(GdiKind kind) {
    static GdiObject stock[] = {{GdiKind::Pen, {}, RGB(255, 255, 255), {}},
                                {GdiKind::Brush, {}, RGB(255, 255, 255), {}},
                                {GdiKind::Font, {}, RGB(255, 255, 255), {}}};
    return stock[static_cast<int>(kind)];
}

HGDIOBJ& SlotOf(HDC__& dc, GdiKind kind) {
    switch (kind) {
    case GdiKind::Pen:
        return dc.pen;
    case GdiKind::Brush:
        return dc.brush;
    default:
        return dc.font;
    }
}

const GdiObject& Selected(HGDIOBJ handle, GdiKind kind) {
    return handle ? *static_cast<const GdiObject*>(handle) : StockObject(kind);
}

void Record(const HDC__& dc, DrawKind kind, int x, int y, int x2, int y2,
            const std::string& text = std::string()) {
    DrawOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.x2 = x2;
    op.y2 = y2;
    op.text = text;
    op.pen = Selected(dc.pen, GdiKind::Pen).pen;
    op.brushColour = Selected(dc.brush, GdiKind::Brush).brushColour;
    op.font = Selected(dc.font, GdiKind::Font).font;
    op.textColour = dc.textColour;
    op.bkColour = dc.bkColour;
    op.bkMode = dc.bkMode;
    TheState().lastPaint.push_back(op);
}

} // namespace

const std::vector<DrawOp>& LastPaint() {
    return TheState().lastPaint;
}

int PaintCount() {
    return TheState().paintCount;
}

} // namespace headless

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    if (!object) {
        return nullptr;
    }
    const headless::GdiKind kind = static_cast<const headless::GdiObject*>(object)->kind;
    HGDIOBJ& slot = headless::SlotOf(*m_hDC, kind);
    HGDIOBJ previous = slot ? slot : &headless::StockObject(kind);
    slot = object;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    COLORREF previous = m_hDC->bkColour;
    m_hDC->bkColour = colour;
    return previous;
}

int CDC::SetBkMode(int mode) {
    int previous = m_hDC->bkMode;
    m_hDC->bkMode = mode;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    COLORREF previous = m_hDC->textColour;
    m_hDC->textColour = colour;
    return previous;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    headless::Record(*m_hDC, headless::DrawKind::Rectangle, left, top, right, bottom);
    return TRUE;
}

void CDC::MoveTo(int x, int y) {
    headless::Record(*m_hDC, headless::DrawKind::MoveTo, x, y, x, y);
    m_hDC->x = x;
    m_hDC->y = y;
}

BOOL CDC::LineTo(int x, int y) {
    headless::Record(*m_hDC, headless::DrawKind::LineTo, m_hDC->x, m_hDC->y, x, y);
    m_hDC->x = x;
    m_hDC->y = y;
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    headless::Record(*m_hDC, headless::DrawKind::Text, x, y, x, y, text);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window) {
    headless::TheState().lastPaint.clear();
    m_paint.hdc = new HDC__;
    m_hDC = m_paint.hdc;
}

CPaintDC::~CPaintDC() {
    delete m_paint.hdc;
    ++headless::TheState().paintCount;
}

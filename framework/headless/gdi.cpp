#include "framework/gdi.h"
#include "state.h"

namespace {

headless::GdiObject* NewObject(headless::GdiKind kind) {
    auto* object = new headless::GdiObject;
    object->kind = kind;
    return object;
}

} // namespace

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    delete static_cast<headless::GdiObject*>(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    DeleteObject();
    headless::GdiObject* pen = NewObject(headless::GdiKind::Pen);
    pen->pen = headless::PenState{style, width, colour};
    m_hObject = pen;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    DeleteObject();
    headless::GdiObject* brush = NewObject(headless::GdiKind::Brush);
    brush->brushColour = colour;
    m_hObject = brush;
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName) {
    DeleteObject();
    headless::GdiObject* font = NewObject(headless::GdiKind::Font);
    font->font = headless::FontState{height,         width,
                                     escapement,     orientation,
                                     weight,         italic,
                                     underline,      strikeOut,
                                     charSet,        outPrecision,
                                     clipPrecision,  quality,
                                     pitchAndFamily, faceName ? faceName : ""};
    m_hObject = font;
    return TRUE;
}

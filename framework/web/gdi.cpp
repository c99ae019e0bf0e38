#include "framework/gdi.h"
#include "page.h"

namespace {

web::GdiObject* NewObject(web::GdiKind kind) {
    auto* object = new web::GdiObject;
    object->kind = kind;
    return object;
}

} // namespace

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    delete static_cast<web::GdiObject*>(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

// Only solid pens exist on the page.
BOOL CPen::CreatePen(int, int width, COLORREF colour) {
    DeleteObject();
    web::GdiObject* pen = NewObject(web::GdiKind::Pen);
    pen->width = width < 1 ? 1 : width;
    pen->colour = colour;
    m_hObject = pen;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    DeleteObject();
    web::GdiObject* brush = NewObject(web::GdiKind::Brush);
    brush->colour = colour;
    m_hObject = brush;
    return TRUE;
}

// The page draws with the web font closest to the face, at the weight asked for and the height
// as the platform reads it (positive: the character cell, negative: the em); the other settings
// have no counterpart there.
BOOL CFont::CreateFont(int height, int, int, int, int weight, BYTE, BYTE, BYTE, BYTE, BYTE, BYTE,
                       BYTE, BYTE, const char* faceName) {
    DeleteObject();
    web::GdiObject* font = NewObject(web::GdiKind::Font);
    font->height = height;
    font->weight = weight;
    font->face = faceName ? faceName : "";
    m_hObject = font;
    return TRUE;
}

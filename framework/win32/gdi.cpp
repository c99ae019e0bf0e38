#include "framework/gdi.h"

#include "utf16.h"

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    DeleteObject();
    m_hObject = ::CreatePen(style, width, colour);
    return m_hObject != nullptr;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    DeleteObject();
    m_hObject = ::CreateSolidBrush(colour);
    return m_hObject != nullptr;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       const char* faceName) {
    DeleteObject();
    m_hObject = ::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                              strikeOut, charSet, outPrecision, clipPrecision, quality,
                              pitchAndFamily, ToUtf16(faceName ? faceName : "").c_str());
    return m_hObject != nullptr;
}

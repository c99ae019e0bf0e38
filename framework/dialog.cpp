#include "framework/dialog.h"
#include "framework/dc.h"

namespace {

CPoint PointOf(LPARAM lParam) {
    // The coordinates are signed 16-bit values.
    return CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                  static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
}

} // namespace

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Handlers can be entered again from inside a handler (a search pumps messages), so the
    // default request of the outer message is kept aside.
    const bool outerDefaultRequested = m_defaultRequested;
    m_defaultRequested = false;
    result = 0;
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        break;
    case WM_COMMAND:
        result = OnCommand(wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
        break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                  HIWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_ERASEBKGND: {
        CDC dc(reinterpret_cast<HDC>(wParam));
        result = OnEraseBkgnd(&dc);
        break;
    }
    case WM_CLOSE:
        OnClose();
        break;
    case WM_SETCURSOR:
        // The hit-test code is a signed 16-bit value (HTERROR is negative).
        result = OnSetCursor(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                             HIWORD(static_cast<std::uintptr_t>(lParam)));
        break;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        OnDpiChanged(HIWORD(wParam),
                     CRect{suggested.left, suggested.top, suggested.right, suggested.bottom});
        break;
    }
    default:
        m_defaultRequested = true;
        break;
    }
    const bool handled = !m_defaultRequested;
    m_defaultRequested = outerDefaultRequested;
    return handled;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        Default();
        return FALSE;
    }
}

void CDialog::OnSysCommand(UINT, LPARAM) {
    Default();
}

void CDialog::OnPaint() {
    Default();
}

HCURSOR CDialog::OnQueryDragIcon() {
    Default();
    return nullptr;
}

void CDialog::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CDialog::OnRButtonDown(UINT, CPoint) {
    Default();
}

void CDialog::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

BOOL CDialog::OnEraseBkgnd(CDC*) {
    Default();
    return TRUE;
}

void CDialog::OnClose() {
    Default();
}

BOOL CDialog::OnSetCursor(int, UINT) {
    Default();
    return FALSE;
}

void CDialog::OnDpiChanged(UINT, const CRect&) {
    Default();
}

#include "framework/dialog.h"
#include "state.h"

#include <sstream>

namespace headless {

namespace {

const std::vector<MenuItem> kInitialSystemMenu = {
    {MF_STRING, SC_RESTORE, "&Restore"},    {MF_STRING, SC_MOVE, "&Move"},
    {MF_STRING, SC_SIZE, "&Size"},          {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
    {MF_STRING, SC_MAXIMIZE, "Ma&ximize"},  {MF_SEPARATOR, 0, ""},
    {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"}};

const HWND__& WindowOf(const CWnd& window) {
    static const HWND__ none;
    return window.m_hWnd ? *window.m_hWnd : none;
}

// What the platform does with a message no handler answered.
void DefaultProcessing(HWND window, UINT message, WPARAM wParam) {
    TheState().defaultedMessages.push_back(message);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        Deliver(window, WM_CLOSE, 0, 0);
    } else if (message == WM_CLOSE) {
        window->owner->EndDialog(IDCANCEL);
    }
}

} // namespace

void CreateWindowState(HWND__& window, CDialog& dialog) {
    window.owner = &dialog;
    window.systemMenu = kInitialSystemMenu;
    dialog.m_hWnd = &window;
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!window->owner->HandleMessage(message, wParam, lParam, result)) {
        DefaultProcessing(window, message, wParam);
    }
    return result;
}

LRESULT SendMessage(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam) {
    return window.m_hWnd ? Deliver(window.m_hWnd, message, wParam, lParam) : 0;
}

AttachedWindow::AttachedWindow(CDialog& dialog) : m_dialog(dialog) {
    CreateWindowState(*new HWND__, dialog);
}

AttachedWindow::~AttachedWindow() {
    delete m_dialog.m_hWnd;
    m_dialog.m_hWnd = nullptr;
}

std::string ControlText(const CWnd& window, int controlId) {
    const auto& controls = WindowOf(window).controls;
    const auto found = controls.find(controlId);
    return found == controls.end() ? std::string() : found->second;
}

int SelectedAllControl(const CWnd& window) {
    return WindowOf(window).selectedAllControl;
}

const std::vector<MenuItem>& SystemMenu(const CWnd& window) {
    return WindowOf(window).systemMenu;
}

HICON WindowIcon(const CWnd& window, bool big) {
    return WindowOf(window).icons[big ? ICON_BIG : ICON_SMALL];
}

// A headless window stands at the screen's origin, its frame no wider than its client area.
void ChangeDpi(CWnd& window, UINT dpi) {
    if (!window.m_hWnd) {
        return;
    }
    HWND__& state = *window.m_hWnd;
    const UINT oldDpi = state.dpi;
    state.dpi = dpi;
    RECT suggested = {0, 0, static_cast<int>(state.clientWidth * dpi / oldDpi),
                      static_cast<int>(state.clientHeight * dpi / oldDpi)};
    Deliver(window.m_hWnd, WM_DPICHANGED, (dpi << 16) | dpi, reinterpret_cast<LPARAM>(&suggested));
}

const std::vector<std::string>& PlacementCalls(const CWnd& window) {
    return WindowOf(window).placementCalls;
}

const std::vector<UINT>& DefaultedMessages() {
    return TheState().defaultedMessages;
}

} // namespace headless

// A window object without a window, as in a test that never attached one, ignores what would
// need the window.
void CWnd::Invalidate(BOOL) {
    if (m_hWnd) {
        m_hWnd->invalid = true;
    }
}

void CWnd::UpdateWindow() {
    if (m_hWnd && m_hWnd->invalid) {
        m_hWnd->invalid = false;
        headless::Deliver(m_hWnd, WM_PAINT, 0, 0);
    }
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = m_hWnd ? CRect{0, 0, m_hWnd->clientWidth, m_hWnd->clientHeight}
                   : CRect{0, 0, headless::kClientWidth, headless::kClientHeight};
}

void CWnd::SetClientSize(int width, int height) {
    if (!m_hWnd) {
        return;
    }
    m_hWnd->clientWidth = width;
    m_hWnd->clientHeight = height;
}

UINT CWnd::GetDpi() const {
    return m_hWnd ? m_hWnd->dpi : kDefaultDpi;
}

CMenu* CWnd::GetSystemMenu(BOOL) {
    if (!m_hWnd) {
        return nullptr;
    }
    m_systemMenu.m_handle = &m_hWnd->systemMenu;
    return &m_systemMenu;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    if (!m_hWnd) {
        return nullptr;
    }
    HICON& slot = m_hWnd->icons[bigIcon ? ICON_BIG : ICON_SMALL];
    HICON previous = slot;
    slot = icon;
    return previous;
}

BOOL CWnd::ShowWindow(int command) {
    if (!m_hWnd) {
        return FALSE;
    }
    m_hWnd->placementCalls.push_back("ShowWindow " + std::to_string(command));
    return TRUE;
}

HWND CWnd::SetActiveWindow() {
    if (!m_hWnd) {
        return nullptr;
    }
    m_hWnd->placementCalls.push_back("SetActiveWindow");
    return m_hWnd;
}

void CWnd::FlashUntilInFront() {
    if (m_hWnd) {
        m_hWnd->placementCalls.push_back("FlashUntilInFront");
    }
}

BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!m_hWnd) {
        return FALSE;
    }
    std::ostringstream call;
    call << "SetWindowPos " << (insertAfter == m_hWnd ? "self" : "other") << ' ' << x << ' ' << y
         << ' ' << width << ' ' << height << " 0x" << std::hex << flags;
    m_hWnd->placementCalls.push_back(call.str());
    return TRUE;
}

std::string CWnd::GetDlgItemText(int id, std::size_t maxChars) const {
    return headless::ControlText(*this, id).substr(0, maxChars);
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    if (!m_hWnd) {
        return;
    }
    m_hWnd->controls[id] = text;
}

void CWnd::FocusAndSelectAll(int id) {
    if (!m_hWnd) {
        return;
    }
    m_hWnd->selectedAllControl = id;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const char* text) {
    auto* items = static_cast<std::vector<headless::MenuItem>*>(m_handle);
    items->push_back({flags, id, text ? text : ""});
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT) {
    auto* items = static_cast<std::vector<headless::MenuItem>*>(m_handle);
    for (auto item = items->begin(); item != items->end(); ++item) {
        if (item->id == position && !(item->flags & MF_SEPARATOR)) {
            items->erase(item);
            return TRUE;
        }
    }
    return FALSE;
}

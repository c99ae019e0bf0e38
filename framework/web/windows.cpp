#include "framework/clock.h"
#include "framework/dialog.h"
#include "framework/message_drain.h"
#include "page.h"

#include <map>

namespace web {

namespace {

std::map<int, HWND__*>& LiveWindows() {
    static std::map<int, HWND__*> windows;
    return windows;
}

// When the program last returned to the browser's event loop.
std::int64_t lastBrowserTurn = 0;

void NoteBrowserTurn() {
    lastBrowserTurn = SteadyMicroseconds();
}

// The colour the platform erases a dialog's background with.
const COLORREF kDialogFace = RGB(240, 240, 240);

void EraseBackground(HWND window) {
    int size[2] = {};
    kw_client_size(window->id, size);
    kw_fill_rect(window->id, 0, 0, size[0], size[1], kDialogFace);
}

// What the platform does with a message no handler answered.
void DefaultProcessing(HWND window, UINT message, WPARAM wParam) {
    if (message == WM_ERASEBKGND) {
        EraseBackground(window);
    } else if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        Deliver(window, WM_CLOSE, 0, 0);
    } else if (message == WM_CLOSE) {
        Deliver(window, WM_COMMAND, IDCANCEL, 0);
    }
}

// The page's window stays where it is: the suggested rectangle is its client area at the new
// DPI.
void DeliverDpiChange(HWND__& window, UINT dpi) {
    int size[2] = {};
    kw_client_size(window.id, size);
    RECT suggested = {0, 0, static_cast<int>(size[0] * dpi / window.dpi),
                      static_cast<int>(size[1] * dpi / window.dpi)};
    window.dpi = dpi;
    Deliver(&window, WM_DPICHANGED, (dpi << 16) | dpi, reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

PageWindow::PageWindow(CDialog* owner) {
    static int lastId = 0;
    m_window.id = ++lastId;
    m_window.owner = owner;
    m_window.dpi = static_cast<UINT>(kw_dpi());
    LiveWindows()[m_window.id] = &m_window;
}

PageWindow::~PageWindow() {
    LiveWindows().erase(m_window.id);
    kw_destroy_window(m_window.id);
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window->owner) {
        if (message == WM_COMMAND) {
            window->ended = true;
            window->result = LOWORD(wParam);
        }
        return 0;
    }
    LRESULT result = 0;
    if (!window->owner->HandleMessage(message, wParam, lParam, result)) {
        DefaultProcessing(window, message, wParam);
    }
    return result;
}

bool DispatchNextEvent() {
    int event[4] = {};
    if (!kw_next_event(event)) {
        return false;
    }
    // A message for a window that has gone since it was queued is dropped.
    const auto found = LiveWindows().find(event[0]);
    if (found == LiveWindows().end()) {
        return true;
    }
    const UINT message = static_cast<UINT>(event[1]);
    if (message == WM_DPICHANGED) {
        DeliverDpiChange(*found->second, HIWORD(static_cast<WPARAM>(event[2])));
    } else {
        Deliver(found->second, message, static_cast<WPARAM>(event[2]),
                static_cast<LPARAM>(event[3]));
    }
    return true;
}

int RunModalLoop(HWND__& window) {
    while (!window.ended) {
        if (!DispatchNextEvent()) {
            kw_wait_event();
            NoteBrowserTurn();
        }
    }
    return window.result;
}

void YieldToBrowserIfDue() {
    const bool due =
        SteadyMicroseconds() - lastBrowserTurn >= CMessageDrain::kAskIntervalMicroseconds;
    kw_yield(due ? 1 : 0);
    if (due) {
        NoteBrowserTurn();
    }
}

// Rounded as the platform converts dialog units.
int DialogUnitsToX(int units) {
    return (units * 6 + 2) / 4;
}

int DialogUnitsToY(int units) {
    return (units * 13 + 4) / 8;
}

} // namespace web

#include "framework/platform_cursor.h"

#include "state.h"

namespace headless {

HCURSOR ArrowCursor() {
    static HICON__ arrow{0};
    return &arrow;
}

HCURSOR WaitCursor() {
    static HICON__ wait{1};
    return &wait;
}

bool WaitCursorShown() {
    return TheState().cursor == WaitCursor();
}

bool CursorHidden() {
    return TheState().cursor == nullptr;
}

void HideCursor() {
    TheState().cursor = nullptr;
}

} // namespace headless

HCURSOR PlatformShowWaitCursor() {
    HCURSOR previous = headless::TheState().cursor;
    headless::TheState().cursor = headless::WaitCursor();
    return previous;
}

HCURSOR PlatformArrowCursor() {
    return headless::ArrowCursor();
}

void PlatformSetCursor(HCURSOR cursor) {
    headless::TheState().cursor = cursor;
}

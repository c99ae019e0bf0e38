#include "framework/platform_cursor.h"

#include "state.h"

namespace {

HICON__ arrowCursor{0};
HICON__ waitCursor{1};
HCURSOR currentCursor = &arrowCursor;

} // namespace

namespace headless {

bool WaitCursorShown() {
    return currentCursor == &waitCursor;
}

} // namespace headless

HCURSOR PlatformShowWaitCursor() {
    HCURSOR previous = currentCursor;
    currentCursor = &waitCursor;
    return previous;
}

void PlatformSetCursor(HCURSOR cursor) {
    currentCursor = cursor ? cursor : &arrowCursor;
}

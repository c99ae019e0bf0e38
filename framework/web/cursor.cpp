#include "framework/platform_cursor.h"

#include "page.h"

namespace {

HICON__ arrow{"arrow"};
HICON__ wait{"wait"};
HCURSOR shown = &arrow;

} // namespace

HCURSOR PlatformShowWaitCursor() {
    const HCURSOR replaced = shown;
    PlatformSetCursor(&wait);
    return replaced;
}

HCURSOR PlatformArrowCursor() {
    return &arrow;
}

// The page has no hidden pointer: any cursor other than the hourglass is the arrow.
void PlatformSetCursor(HCURSOR cursor) {
    kw_set_wait_cursor(cursor == &wait ? 1 : 0);
    shown = cursor;
}

#include "framework/platform_cursor.h"

// Loading a cursor is a call into the window system, costly under some platforms, and the
// search shows the hourglass again after every pass over the message queue.
HCURSOR PlatformShowWaitCursor() {
    static const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    return SetCursor(wait);
}

HCURSOR PlatformArrowCursor() {
    static const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    return arrow;
}

void PlatformSetCursor(HCURSOR cursor) {
    SetCursor(cursor);
}

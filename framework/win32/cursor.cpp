#include "framework/platform_cursor.h"

HCURSOR PlatformShowWaitCursor() {
    return SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void PlatformSetCursor(HCURSOR cursor) {
    SetCursor(cursor);
}

#include "framework/wait_cursor.h"

#include "framework/platform_cursor.h"

namespace {

int waitCount = 0;
HCURSOR cursorBeforeWait = nullptr;

} // namespace

void CWaitCursor::Begin() {
    HCURSOR replaced = PlatformShowWaitCursor();
    if (waitCount++ == 0) {
        cursorBeforeWait = replaced;
    }
}

void CWaitCursor::End() {
    if (waitCount > 0) {
        --waitCount;
    }
    Restore();
}

void CWaitCursor::Restore() {
    if (waitCount > 0) {
        PlatformShowWaitCursor();
    } else {
        PlatformSetCursor(cursorBeforeWait);
    }
}

int CWaitCursor::Count() {
    return waitCount;
}

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
        // No wait has begun yet, or the pointer had no cursor when it began: setting none would
        // hide the pointer until the mouse moves.
        PlatformSetCursor(cursorBeforeWait ? cursorBeforeWait : PlatformArrowCursor());
    }
}

int CWaitCursor::Count() {
    return waitCount;
}

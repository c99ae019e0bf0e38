#pragma once

#include "platform_types.h"

// The cursor operations each backend provides for CWaitCursor.
// Shows the hourglass and returns the cursor it replaced, which may be none.
HCURSOR PlatformShowWaitCursor();
HCURSOR PlatformArrowCursor();
// Sets the cursor; none hides the pointer.
void PlatformSetCursor(HCURSOR cursor);

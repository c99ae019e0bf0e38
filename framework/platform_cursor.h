#pragma once

#include "platform_types.h"

// The two cursor operations each backend provides for CWaitCursor.
// Shows the hourglass and returns the cursor it replaced.
HCURSOR PlatformShowWaitCursor();
void PlatformSetCursor(HCURSOR cursor);

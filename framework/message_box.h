#pragma once

#include "platform_types.h"

// Shows a modal message box captioned with the application's name and returns the button
// the user chose.
int AfxMessageBox(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);

#pragma once

#include "platform_types.h"

#include <string>

// Resources compiled into the executable.
HICON AfxLoadIcon(UINT id);
// The string resource id, or an empty string when there is none.
std::string AfxLoadString(UINT id);

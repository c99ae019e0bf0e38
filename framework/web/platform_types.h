#pragma once

// The browser has no Windows headers: the framework's own rendition of their names.
#include "framework/windows_names.h"

#include "framework/clock.h"

#include <emscripten.h>

// The page's monotonic clock, in milliseconds with a fraction.
std::int64_t SteadyMicroseconds() {
    return static_cast<std::int64_t>(emscripten_get_now() * 1000.0);
}

#include "framework/clock.h"

#include "platform_types.h"

std::int64_t SteadyMicroseconds() {
    static const std::int64_t frequency = [] {
        LARGE_INTEGER ticksPerSecond;
        QueryPerformanceFrequency(&ticksPerSecond);
        return static_cast<std::int64_t>(ticksPerSecond.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // Whole seconds and the rest apart, so that the product cannot overflow.
    const std::int64_t ticks = now.QuadPart;
    return ticks / frequency * 1000000 + ticks % frequency * 1000000 / frequency;
}

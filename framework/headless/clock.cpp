#include "framework/clock.h"

#include "state.h"

namespace headless {

void AdvanceClock(std::int64_t microseconds) {
    TheState().clockMicroseconds += microseconds;
}

} // namespace headless

std::int64_t SteadyMicroseconds() {
    return headless::TheState().clockMicroseconds;
}

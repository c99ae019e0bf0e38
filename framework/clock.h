#pragma once

#include <cstdint>

// A steady clock in microseconds, read without a call into the window system, for code that
// must notice elapsed time while it runs.
std::int64_t SteadyMicroseconds();

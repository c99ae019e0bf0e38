#pragma once

#include <cstdint>

// The puzzle number shown first, 0 to 293,024, drawn from a generator seeded with the time in
// seconds: two starts within the same second show the same puzzle.
int DrawStartNumber(std::uint32_t timeSeconds);

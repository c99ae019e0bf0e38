#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace libgen {

// A small generator whose sequence is fixed by its seed on every platform and library, so that
// a seed always rebuilds the same library (the standard distributions do not promise that).
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in 0..bound-1 (bound > 0), by rejection so that no value is favoured.
    std::uint64_t Below(std::uint64_t bound) {
        const std::uint64_t limit = ~0ull - (~0ull % bound);
        std::uint64_t draw;
        do {
            draw = Next();
        } while (draw >= limit);
        return draw % bound;
    }

    template <typename T> void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[Below(i)]);
        }
    }

private:
    std::uint64_t m_state;
};

} // namespace libgen

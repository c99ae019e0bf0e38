#include "start_number.h"

#include "sources/library.h"

namespace {

// A linear congruential generator with 31-bit draws, so that every puzzle number can come up.
class StartNumberGenerator {
public:
    void Seed(std::uint32_t seed) { m_state = seed; }
    int Draw() {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>(m_state >> 1);
    }

private:
    std::uint32_t m_state = 1;
};

// Each attempt reseeds from the previous state; a chain of reseeds could in principle cycle
// without landing in range, so the attempts are bounded.
constexpr int kMaxAttempts = 1 << 22;

} // namespace

int DrawStartNumber(std::uint32_t timeSeconds) {
    StartNumberGenerator generator;
    int number = 0;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        generator.Seed(timeSeconds * static_cast<std::uint32_t>(generator.Draw()));
        number = generator.Draw();
        if (number <= kPuzzleNumberCount) {
            return number;
        }
    }
    return number % (kPuzzleNumberCount + 1);
}

#include "crc.h"

#include <array>

namespace {

constexpr Crc32 kPolynomial = 0x04C11DB7u;

constexpr std::array<Crc32, 256> MakeTable() {
    std::array<Crc32, 256> table{};
    for (Crc32 byte = 0; byte < 256; ++byte) {
        Crc32 reg = byte << 24;
        for (int bit = 0; bit < 8; ++bit) {
            reg = (reg & 0x80000000u) ? (reg << 1) ^ kPolynomial : reg << 1;
        }
        table[byte] = reg;
    }
    return table;
}

constexpr std::array<Crc32, 256> kTable = MakeTable();

} // namespace

void CrcUpdate(Crc32& reg, const unsigned char* bytes, std::size_t length) {
    Crc32 value = reg;
    for (std::size_t i = 0; i < length; ++i) {
        value = (value << 8) ^ kTable[(value >> 24) ^ bytes[i]];
    }
    reg = value;
}

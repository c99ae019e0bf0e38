#include "crc.h"

#include <array>

namespace {

constexpr Crc32 kPolynomial = 0x04C11DB7u;

using Table = std::array<std::array<Crc32, 256>, 8>;

// table[0][b]: the register after shifting byte b through it; table[k][b]: the same byte
// followed by k zero bytes, which lets eight bytes be folded in with one lookup each.
constexpr Table MakeTables() {
    Table table{};
    for (Crc32 byte = 0; byte < 256; ++byte) {
        Crc32 reg = byte << 24;
        for (int bit = 0; bit < 8; ++bit) {
            reg = (reg & 0x80000000u) ? (reg << 1) ^ kPolynomial : reg << 1;
        }
        table[0][byte] = reg;
    }
    for (int k = 1; k < 8; ++k) {
        for (int byte = 0; byte < 256; ++byte) {
            const Crc32 previous = table[k - 1][byte];
            table[k][byte] = table[0][previous >> 24] ^ (previous << 8);
        }
    }
    return table;
}

constexpr Table kTables = MakeTables();

Crc32 FoldEightBytes(Crc32 reg, const unsigned char* b) {
    const Crc32 x = reg ^ (static_cast<Crc32>(b[0]) << 24 | static_cast<Crc32>(b[1]) << 16 |
                           static_cast<Crc32>(b[2]) << 8 | b[3]);
    return kTables[7][x >> 24] ^ kTables[6][(x >> 16) & 0xFF] ^ kTables[5][(x >> 8) & 0xFF] ^
           kTables[4][x & 0xFF] ^ kTables[3][b[4]] ^ kTables[2][b[5]] ^ kTables[1][b[6]] ^
           kTables[0][b[7]];
}

} // namespace

void CrcUpdate(Crc32& reg, const unsigned char* bytes, std::size_t length) {
    Crc32 value = reg;
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        value = FoldEightBytes(value, bytes + i);
    }
    for (; i < length; ++i) {
        value = (value << 8) ^ kTables[0][(value >> 24) ^ bytes[i]];
    }
    reg = value;
}

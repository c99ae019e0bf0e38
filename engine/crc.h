#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One CRC value: the key of a position and the checksum of the puzzle library.
using Crc32 = std::uint32_t;

// Where every CRC of the system starts its register; there is no final inversion.
constexpr Crc32 kCrcStart = 0xFFFFFFFFu;

// The system's one CRC: width 32, polynomial 0x04C11DB7, most significant bit first, no
// reflection, no final XOR. The caller starts the register at kCrcStart and takes it as the
// finished CRC after the last call. Table-driven; gives the register values of the bit-serial
// definition.
void CrcUpdate(Crc32& reg, const unsigned char* bytes, std::size_t length);

// The finished CRC of length bytes.
inline Crc32 CrcOf(const unsigned char* bytes, std::size_t length) {
    Crc32 reg = kCrcStart;
    CrcUpdate(reg, bytes, length);
    return reg;
}

// The four bytes of a CRC value, least significant first: the order in which one CRC is folded
// into another.
inline std::array<unsigned char, 4> BytesOf(Crc32 value) {
    return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

// Folds a CRC value into the register: how the fingerprint folds the image CRCs, and how the
// tools fold the position at each drain into their trace digest.
inline void CrcUpdateValue(Crc32& reg, Crc32 value) {
    const std::array<unsigned char, 4> bytes = BytesOf(value);
    CrcUpdate(reg, bytes.data(), bytes.size());
}

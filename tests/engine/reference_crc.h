#pragma once

#include "engine/crc.h"

#include <cstddef>

// The bit-serial definition of the CRC, kept as the reference the table form must match.
inline Crc32 ReferenceCrcUpdate(Crc32 reg, const unsigned char* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        reg ^= static_cast<Crc32>(bytes[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) {
            reg = (reg & 0x80000000u) ? (reg << 1) ^ 0x04C11DB7u : reg << 1;
        }
    }
    return reg;
}

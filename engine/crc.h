#pragma once

#include <cstddef>
#include <cstdint>

// One CRC value: the key of a position and the checksum of the puzzle library.
using Crc32 = std::uint32_t;

// The system's one CRC: width 32, polynomial 0x04C11DB7, most significant bit first, no
// reflection, no final XOR. The caller starts the register at 0xFFFFFFFF and takes it as the
// finished CRC after the last call. Table-driven; gives the register values of the bit-serial
// definition.
void CrcUpdate(Crc32& reg, const unsigned char* bytes, std::size_t length);

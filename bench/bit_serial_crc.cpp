// The engine's CRC replaced by its bit-serial definition, to measure what the table saves.
#include "engine/crc.h"
#include "tests/engine/reference_crc.h"

void CrcUpdate(Crc32& reg, const unsigned char* bytes, std::size_t length) {
    reg = ReferenceCrcUpdate(reg, bytes, length);
}

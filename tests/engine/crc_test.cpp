#include "engine/crc.h"
#include "tests/engine/reference_crc.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

Crc32 Crc(const std::vector<unsigned char>& bytes) {
    return CrcOf(bytes.data(), bytes.size());
}

TEST(CrcUpdate, GivesTheWorkedValues) {
    const std::vector<unsigned char> check{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0x0376E6E7u, Crc(check));
    EXPECT_EQ(0xE42E5826u, Crc(std::vector<unsigned char>(81, 0)));
}

TEST(CrcUpdate, TableFormMatchesBitSerialDefinitionOnRandomData) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<unsigned char> bytes(1 + random() % 300);
        for (auto& b : bytes) {
            b = static_cast<unsigned char>(random());
        }
        Crc32 start = static_cast<Crc32>(random());
        Crc32 table = start;
        CrcUpdate(table, bytes.data(), bytes.size());
        EXPECT_EQ(ReferenceCrcUpdate(start, bytes.data(), bytes.size()), table);
    }
}

TEST(CrcUpdate, FoldsPiecewiseLikeOneCall) {
    const unsigned char bytes[] = "split across calls";
    Crc32 whole = kCrcStart;
    CrcUpdate(whole, bytes, sizeof bytes);
    Crc32 pieces = kCrcStart;
    CrcUpdate(pieces, bytes, 5);
    CrcUpdate(pieces, bytes + 5, sizeof bytes - 5);
    EXPECT_EQ(whole, pieces);
}

} // namespace

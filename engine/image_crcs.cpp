#include "image_crcs.h"

#include "cells.h"

#include <array>

namespace {

constexpr int kCells = 81;
constexpr int kValues = 10;
constexpr int kImages = 8;

// Where the digit of (c, r) stands in image k, in storage order.
int ImagePosition(int k, int c, int r) {
    switch (k) {
    case 1:
        return ValueIndex(8 - r, c);
    case 2:
        return ValueIndex(8 - c, 8 - r);
    case 3:
        return ValueIndex(r, 8 - c);
    case 4:
        return ValueIndex(c, 8 - r);
    case 5:
        return ValueIndex(r, c);
    case 6:
        return ValueIndex(8 - c, r);
    case 7:
        return ValueIndex(8 - r, 8 - c);
    default:
        return ValueIndex(c, r);
    }
}

struct ContributionTable {
    Crc32 emptyGridCrc;
    // contribution[cell][value][image]
    std::array<std::array<std::array<Crc32, kImages>, kValues>, kCells> contribution;
};

ContributionTable MakeContributionTable() {
    ContributionTable table{};
    unsigned char grid[kCells] = {};
    table.emptyGridCrc = CrcOf(grid, kCells);
    Crc32 atPosition[kCells][kValues];
    for (int position = 0; position < kCells; ++position) {
        for (int value = 0; value < kValues; ++value) {
            grid[position] = static_cast<unsigned char>(value);
            atPosition[position][value] = CrcOf(grid, kCells) ^ table.emptyGridCrc;
        }
        grid[position] = 0;
    }
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            for (int value = 0; value < kValues; ++value) {
                for (int k = 0; k < kImages; ++k) {
                    table.contribution[ValueIndex(c, r)][value][k] =
                        atPosition[ImagePosition(k, c, r)][value];
                }
            }
        }
    }
    return table;
}

const ContributionTable& Contributions() {
    static const ContributionTable table = MakeContributionTable();
    return table;
}

} // namespace

void ComputeImageCrcs(const unsigned char* values, Crc32 (&imageCrc)[8]) {
    const ContributionTable& table = Contributions();
    Crc32 crc[kImages];
    for (Crc32& image : crc) {
        image = table.emptyGridCrc;
    }
    for (int cell = 0; cell < kCells; ++cell) {
        const auto& contribution = table.contribution[cell][values[cell]];
        for (int k = 0; k < kImages; ++k) {
            crc[k] ^= contribution[k];
        }
    }
    for (int k = 0; k < kImages; ++k) {
        imageCrc[k] = crc[k];
    }
}

void BuildLastImage(const unsigned char* values, unsigned char* image) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            image[ImagePosition(7, c, r)] = values[ValueIndex(c, r)];
        }
    }
}

#include "grid.h"

namespace libgen {

std::optional<Grid> ParseGrid(std::string_view digits) {
    if (digits.size() != kCells) {
        return std::nullopt;
    }
    Grid grid{};
    for (int cell = 0; cell < kCells; ++cell) {
        const char c = digits[cell];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        grid[cell] = static_cast<std::uint8_t>(c - '0');
    }
    return grid;
}

std::string FormatGrid(const Grid& grid) {
    std::string digits(kCells, '0');
    for (int cell = 0; cell < kCells; ++cell) {
        digits[cell] = static_cast<char>('0' + grid[cell]);
    }
    return digits;
}

int CountGivens(const Grid& grid) {
    int givens = 0;
    for (std::uint8_t value : grid) {
        givens += value != 0;
    }
    return givens;
}

} // namespace libgen

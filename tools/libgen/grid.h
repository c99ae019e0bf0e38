#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace libgen {

// A puzzle or a solution, cell 9 * row + column; 0 = empty, 1..9 = a digit.
using Grid = std::array<std::uint8_t, 81>;

constexpr int kCells = 81;
constexpr int kGivensPerPuzzle = 17;

// Reads 81 characters '0'..'9' (row by row); anything else gives nothing.
std::optional<Grid> ParseGrid(std::string_view digits);

std::string FormatGrid(const Grid& grid);

int CountGivens(const Grid& grid);

} // namespace libgen

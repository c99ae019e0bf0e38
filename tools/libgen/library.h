#pragma once

#include "grid.h"
#include "sources/library.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace libgen {

// The library text: lineCount lines shared out evenly among the classes, each line a random
// variant of its class (digits relabelled, rows and columns moved within the band structure,
// never transposed, since the player adds the orientations itself), in a random order. No line
// equals another or one of its eight orientations. The same seed gives the same text.
std::string BuildLibraryText(const std::vector<Grid>& classes, std::size_t lineCount,
                             std::uint64_t seed);

// The first fault of a library text (layout, givens, solutions, repeats), or nothing.
std::optional<std::string> FindLibraryFault(std::string_view text, std::size_t lineCount);

// How many essentially different puzzles the lines of a library text hold.
std::size_t CountClasses(std::string_view text);

} // namespace libgen

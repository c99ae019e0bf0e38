#include "library.h"

#include "canonical.h"
#include "random.h"
#include "solver.h"
#include "symmetry.h"

#include <unordered_set>

namespace libgen {
namespace {

constexpr LineOrder kReversed{8, 7, 6, 5, 4, 3, 2, 1, 0};

// The eight images the player can show a line in.
std::vector<Grid> Orientations(const Grid& grid) {
    std::vector<Grid> images;
    for (int transpose = 0; transpose < 2; ++transpose) {
        for (int reverseRows = 0; reverseRows < 2; ++reverseRows) {
            for (int reverseColumns = 0; reverseColumns < 2; ++reverseColumns) {
                Symmetry symmetry;
                symmetry.transpose = transpose == 1;
                if (reverseRows) {
                    symmetry.rows = kReversed;
                }
                if (reverseColumns) {
                    symmetry.columns = kReversed;
                }
                images.push_back(Apply(symmetry, grid));
            }
        }
    }
    return images;
}

std::string_view LineAt(std::string_view text, std::size_t index) {
    return text.substr(index * kLibraryLineLength, kLibraryLineLength);
}

std::optional<std::string> FindLineFault(std::string_view line) {
    if (line.substr(kCells) != "\r\n") {
        return "does not end in CR LF";
    }
    const auto grid = ParseGrid(line.substr(0, kCells));
    if (!grid) {
        return "holds a character other than a digit";
    }
    const int givens = CountGivens(*grid);
    if (givens != kGivensPerPuzzle) {
        return "has " + std::to_string(givens) + " givens";
    }
    const int solutions = CountSolutions(*grid, 2);
    if (solutions != 1) {
        return solutions == 0 ? "has no solution" : "has more than one solution";
    }
    return std::nullopt;
}

} // namespace

std::string BuildLibraryText(const std::vector<Grid>& classes, std::size_t lineCount,
                             std::uint64_t seed) {
    Random random(seed);
    std::unordered_set<std::string> taken;
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < classes.size(); ++k) {
        const std::size_t variants = lineCount / classes.size() + (k < lineCount % classes.size());
        for (std::size_t made = 0; made < variants;) {
            const Grid variant = Apply(RandomSymmetry(random, false), classes[k]);
            const std::vector<Grid> images = Orientations(variant);
            bool fresh = true;
            for (const Grid& image : images) {
                fresh = fresh && taken.count(FormatGrid(image)) == 0;
            }
            if (!fresh) {
                continue;
            }
            for (const Grid& image : images) {
                taken.insert(FormatGrid(image));
            }
            lines.push_back(FormatGrid(variant));
            ++made;
        }
    }
    random.Shuffle(lines);
    std::string text;
    text.reserve(lines.size() * kLibraryLineLength);
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::optional<std::string> FindLibraryFault(std::string_view text, std::size_t lineCount) {
    if (text.size() != lineCount * kLibraryLineLength) {
        return "the text has " + std::to_string(text.size()) + " bytes, not " +
               std::to_string(lineCount * kLibraryLineLength) + " (" + std::to_string(lineCount) +
               " lines of " + std::to_string(kLibraryLineLength) + ")";
    }
    std::unordered_set<std::string_view> seen;
    for (std::size_t i = 0; i < lineCount; ++i) {
        const std::string_view line = LineAt(text, i);
        const std::string where = "line " + std::to_string(i + 1) + " ";
        if (const auto fault = FindLineFault(line)) {
            return where + *fault;
        }
        if (!seen.insert(line).second) {
            return where + "repeats an earlier line";
        }
    }
    return std::nullopt;
}

std::size_t CountClasses(std::string_view text) {
    std::unordered_set<std::string> classes;
    for (std::size_t i = 0; i < text.size() / kLibraryLineLength; ++i) {
        if (const auto grid = ParseGrid(LineAt(text, i).substr(0, kCells))) {
            classes.insert(FormatGrid(CanonicalForm(*grid)));
        }
    }
    return classes.size();
}

} // namespace libgen

// libFuzzer target: arbitrary text as the puzzle lines kestrova-cli reads, and every puzzle it
// accepts set up as the tool sets it up.

#include "engine/rows.h"
#include "fuzz_checks.h"
#include "tools/cli/puzzle_input.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class LineKind { Skipped, Puzzle, Problem };

// The form kestrova-cli --help gives: blank lines (spaces and tabs only) and lines starting
// with '#' are skipped; a puzzle is 81 characters, each a digit or '.'; any other line is
// reported.
LineKind KindOf(const std::string& line) {
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
        return LineKind::Skipped;
    }
    const bool cellsOnly = line.find_first_not_of("0123456789.") == std::string::npos;
    return line.size() == 81 && cellsOnly ? LineKind::Puzzle : LineKind::Problem;
}

// The lines as they end in '\n' or at the end of the text, each without a CR at its end.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        if (!lines.back().empty() && lines.back().back() == '\r') {
            lines.back().pop_back();
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const PuzzleInput input = ReadPuzzleLines(in);

    // Every puzzle line is taken, in order and unchanged, and every other line not skipped is
    // reported under its number.
    const std::vector<std::string> lines = LinesOf(text);
    std::size_t puzzles = 0;
    std::size_t problems = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        switch (KindOf(lines[i])) {
        case LineKind::Puzzle:
            FUZZ_REQUIRE(puzzles < input.puzzles.size());
            FUZZ_REQUIRE(input.puzzles[puzzles].lineNumber == lineNumber);
            FUZZ_REQUIRE(input.puzzles[puzzles++].rows == lines[i]);
            break;
        case LineKind::Problem:
            FUZZ_REQUIRE(problems < input.problems.size());
            FUZZ_REQUIRE(input.problems[problems++].rfind(
                             "line " + std::to_string(lineNumber) + ": ", 0) == 0);
            break;
        case LineKind::Skipped:
            break;
        }
    }
    FUZZ_REQUIRE(puzzles == input.puzzles.size() && problems == input.problems.size());

    for (const PuzzleLine& puzzle : input.puzzles) {
        const CBoard board = BoardFromRows(puzzle.rows);
        RequirePlacedFromRows(board, reinterpret_cast<const unsigned char*>(puzzle.rows.data()));
    }
    return 0;
}

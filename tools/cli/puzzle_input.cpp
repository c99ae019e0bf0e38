#include "puzzle_input.h"

#include "engine/rows.h"

namespace {

bool IsCellCharacter(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '.';
}

// Empty when the line is a puzzle, else what is wrong with it.
std::string ProblemOf(const std::string& line) {
    if (line.size() != 81) {
        return "expected 81 characters, found " + std::to_string(line.size());
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!IsCellCharacter(line[i])) {
            return "character " + std::to_string(i + 1) + " is neither a digit nor '.'";
        }
    }
    return {};
}

bool IsGiven(char ch) {
    return ch >= '1' && ch <= '9';
}

// The givens that the set-up leaves out because they break the rules.
int ConflictingGivens(const std::string& line) {
    const std::string placed = RowsOf(BoardFromRows(line));
    int dropped = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        dropped += IsGiven(line[i]) && placed[i] == '0';
    }
    return dropped;
}

} // namespace

PuzzleInput ReadPuzzleLines(std::istream& in) {
    PuzzleInput input;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
            continue;
        }
        const std::string problem = ProblemOf(line);
        if (problem.empty()) {
            input.puzzles.push_back({lineNumber, line});
            if (const int dropped = ConflictingGivens(line)) {
                input.warnings.push_back("line " + std::to_string(lineNumber) + ": " +
                                         std::to_string(dropped) +
                                         " given(s) conflict with earlier ones and are left out");
            }
        } else {
            input.problems.push_back("line " + std::to_string(lineNumber) + ": " + problem);
        }
    }
    return input;
}

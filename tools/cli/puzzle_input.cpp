#include "puzzle_input.h"

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
        } else {
            input.problems.push_back("line " + std::to_string(lineNumber) + ": " + problem);
        }
    }
    return input;
}

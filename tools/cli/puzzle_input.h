#pragma once

#include <istream>
#include <string>
#include <vector>

// One puzzle of the input: 81 characters row by row, '0' or '.' for an empty cell.
struct PuzzleLine {
    int lineNumber;
    std::string rows;
};

struct PuzzleInput {
    std::vector<PuzzleLine> puzzles;
    std::vector<std::string> problems; // one message per line that was skipped
    std::vector<std::string> warnings; // one message per puzzle whose givens conflict
};

// Reads one puzzle per line; blank lines and lines starting with '#' are skipped, and so are
// lines that are not puzzles, each with a message naming its line number. A puzzle whose givens
// break the rules is kept, set up as the player sets it up (a given that conflicts with one
// before it is left out), with a warning naming its line.
PuzzleInput ReadPuzzleLines(std::istream& in);

#pragma once

#include "board.h"

#include <string>

// A puzzle written as text: 81 characters in reading order (row by row, each row left to right),
// '1' to '9' a digit and any other character an empty cell. Library lines, kestrova-cli's input
// and the tests' puzzles are written so.

// Places the digits of the rows on a cleared board, cell by cell in reading order, as the player
// sets up a library puzzle: a digit that breaks the rules is refused, and every placement
// re-hashes.
void PlaceRows(CBoard& board, const unsigned char* rows);

// A board made usable by CBoard::Init with the rows placed on it.
CBoard BoardFromRows(const std::string& rows);

// The values of a board in reading order, '0' for an empty cell.
std::string RowsOf(const CBoard& board);

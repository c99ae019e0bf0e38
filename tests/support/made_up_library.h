#pragma once

#include <vector>

// A library of the real size whose line i holds five givens: 1, 2 and 3 at (0, 0), (1, 0) and
// (0, 2), 1 + i mod 9 at (8, 8) and 1 + (i div 9) mod 9 at (4, 4). No two of them are peers, so
// every line sets up all five, and the givens off the diagonals tell the orientations apart.
std::vector<unsigned char> MadeUpLibrary();

// The digit of library cell (column c, row r) of line i in the made-up library; 0 for empty.
int MadeUpDigit(int line, int c, int r);

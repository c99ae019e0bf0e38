#pragma once

#include "engine/board.h"

#include <cstddef>
#include <string>

// The puzzle library: text lines of 81 digits and CR LF at the end of the program's own file.
// A line is a puzzle written as text (engine/rows.h), '0' for an empty cell.
constexpr int kLibraryLineCount = 36628;
constexpr int kLibraryLineLength = 83;
constexpr std::size_t kLibraryLength =
    static_cast<std::size_t>(kLibraryLineCount) * kLibraryLineLength;
// Every line can be shown in eight orientations.
constexpr int kPuzzleNumberCount = 8 * kLibraryLineCount;

enum class LibraryStatus { Good, UnknownError, LengthError, CrcError };

class CFile;

// Reads the last length bytes of the file at path into buffer and checks their CRC. The file
// is opened without sharing.
LibraryStatus ReadLibraryFile(const std::string& path, unsigned char* buffer, std::size_t length,
                              Crc32 expectedCrc);
// The same from a file already open, for a caller that tells a file it cannot open apart.
LibraryStatus ReadLibrary(CFile& file, unsigned char* buffer, std::size_t length,
                          Crc32 expectedCrc);

// The message the user gets for a failed check.
const char* LibraryErrorText(LibraryStatus status);

// Folds any number into 0..293023 as |n| mod 293024. The magnitude of INT_MIN does not fit an
// int: that number gives a negative result, which designates no puzzle.
int ReducePuzzleNumber(int number);

// The library line and orientation (0..7) of a reduced puzzle number.
int PuzzleLine(int reducedNumber);
int PuzzleOrientation(int reducedNumber);

// Sets up puzzle number reducedNumber (0..293023) on a cleared board: the line's digits are
// placed row by row, then the board is turned into the number's orientation.
void SetUpLibraryPuzzle(CBoard& board, const unsigned char* library, int reducedNumber);

#pragma once

#include "engine/board.h"

#include <cstddef>
#include <string>

// A puzzle file (".sud") holds the 81 cell values of a board in the board's storage order
// (byte ValueIndex(c, r) is column c, row r), one byte each with 0 for an empty cell, and nothing
// else.
constexpr std::size_t kPuzzleFileLength = 81;
using PuzzleFileValues = unsigned char[kPuzzleFileLength];

// Settings of the open and save dialogs.
extern const char* const kPuzzleFileFilter;
extern const char* const kPuzzleFileExtension;
extern const char* const kPuzzleFileOpenName;
extern const char* const kPuzzleFileFolder;

// Reads up to 81 bytes from the file, opened without sharing; cells past the end of a shorter
// file read as empty. False when the file cannot be opened or read.
bool ReadPuzzleFile(const std::string& path, PuzzleFileValues& values);

// Writes the 81 bytes over the start of the file at path, forces them to the disk and cuts the
// file after them. The file itself stays, with its owner, permissions, links and attributes;
// one the user may not write, or a read-only one, is refused. A new file is made only where
// nothing of that name exists. A failed write leaves an existing file as it was and no new one
// behind. On failure whyNot says why, in plain words.
bool WritePuzzleFile(const std::string& path, const PuzzleFileValues& values, std::string& whyNot);

// The name offered for saving board: its HashPair, preceded by start's when start's identity CRC
// differs.
std::string ProposedFileName(const CBoard& start, const CBoard& board);

#pragma once

#include "engine/board.h"

// Stops the fuzzer at a broken property, naming it, so that libFuzzer keeps the input.
#define FUZZ_REQUIRE(condition)                                                                    \
    ((condition) ? void(0) : FuzzPropertyBroken(#condition, __FILE__, __LINE__))

[[noreturn]] void FuzzPropertyBroken(const char* condition, const char* file, int line);

// No placed digit has an equal peer, and an empty cell allows exactly the digits that none of
// its peers holds.
void RequireConsistent(const CBoard& board);

// The board that placing a grid (storage order, byte 9c + r) cell by cell must leave: it is
// consistent, every cell holds its grid digit or nothing, and a digit of 1..9 is left out only
// where a peer holds it.
void RequirePlacedFrom(const CBoard& board, const unsigned char* grid);

// The same for 81 characters written row by row, where only '1'..'9' are digits.
void RequirePlacedFromRows(const CBoard& board, const unsigned char* rows);

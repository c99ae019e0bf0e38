#include "fuzz_checks.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool ArePeers(int c1, int r1, int c2, int r2) {
    const bool sameBox = c1 / 3 == c2 / 3 && r1 / 3 == r2 / 3;
    return (c1 != c2 || r1 != r2) && (c1 == c2 || r1 == r2 || sameBox);
}

// Bit d of the mask of a cell is set when one of its peers holds digit d.
using PeerDigits = unsigned[9][9];

void FindPeerDigits(const CBoard& board, PeerDigits& peerDigits) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            peerDigits[c][r] = 0;
            for (int pc = 0; pc < 9; ++pc) {
                for (int pr = 0; pr < 9; ++pr) {
                    if (ArePeers(c, r, pc, pr)) {
                        peerDigits[c][r] |= 1u << board.Value(pc, pr);
                    }
                }
            }
        }
    }
}

bool Holds(unsigned digits, unsigned char d) {
    return (digits >> d & 1u) != 0;
}

// Leaves the digits of every cell's peers for the checks that follow.
void RequireConsistent(const CBoard& board, PeerDigits& peerDigits) {
    for (unsigned char held : board.m_value) {
        FUZZ_REQUIRE(held <= 9);
    }
    FindPeerDigits(board, peerDigits);
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const unsigned char held = board.Value(c, r);
            FUZZ_REQUIRE(held == 0 || !Holds(peerDigits[c][r], held));
            for (unsigned char d = 1; d <= 9; ++d) {
                FUZZ_REQUIRE(board.IsCandidate(c, r, d) ==
                             (held == 0 && !Holds(peerDigits[c][r], d)));
            }
        }
    }
}

} // namespace

void FuzzPropertyBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

void RequireConsistent(const CBoard& board) {
    PeerDigits peerDigits;
    RequireConsistent(board, peerDigits);
}

void RequirePlacedFrom(const CBoard& board, const unsigned char* grid) {
    PeerDigits peerDigits;
    RequireConsistent(board, peerDigits);
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const unsigned char wanted = grid[ValueIndex(c, r)];
            const unsigned char held = board.Value(c, r);
            FUZZ_REQUIRE(held == 0 || held == wanted);
            const bool isDigit = wanted >= 1 && wanted <= 9;
            FUZZ_REQUIRE(held != 0 || !isDigit || Holds(peerDigits[c][r], wanted));
        }
    }
}

void RequirePlacedFromRows(const CBoard& board, const unsigned char* rows) {
    unsigned char grid[81];
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const unsigned char ch = rows[ReadingIndex(c, r)];
            grid[ValueIndex(c, r)] =
                ch >= '1' && ch <= '9' ? static_cast<unsigned char>(ch - '0') : 0;
        }
    }
    RequirePlacedFrom(board, grid);
}

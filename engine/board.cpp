#include "board.h"

#include "image_crcs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

// The quarter turn clockwise on screen: the digit of (c, r) goes to (8 - r, c).
void RotateGrid(const unsigned char* from, unsigned char* to) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            to[ValueIndex(8 - r, c)] = from[ValueIndex(c, r)];
        }
    }
}

// Top and bottom exchanged: the digit of (c, r) goes to (c, 8 - r).
void FlipGrid(const unsigned char* from, unsigned char* to) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            to[ValueIndex(c, 8 - r)] = from[ValueIndex(c, r)];
        }
    }
}

} // namespace

void CBoard::Init() {
    m_crc = kCrcStart;
    m_fingerprint = kCrcStart;
    std::fill(std::begin(m_imageCrc), std::end(m_imageCrc), kCrcStart);
    Clear();
}

void CBoard::Clear() {
    std::memset(m_value, 0, sizeof m_value);
    std::memset(m_candidate, 1, sizeof m_candidate);
}

void CBoard::SetFlagInPeers(int c, int r, unsigned char d, unsigned char flag) {
    for (int k = 0; k < 9; ++k) {
        m_candidate[FlagIndex(k, r, d)] = flag;
        m_candidate[FlagIndex(c, k, d)] = flag;
    }
    const int c0 = 3 * (c / 3);
    const int r0 = 3 * (r / 3);
    for (int bc = c0; bc < c0 + 3; ++bc) {
        for (int br = r0; br < r0 + 3; ++br) {
            m_candidate[FlagIndex(bc, br, d)] = flag;
        }
    }
}

bool CBoard::Place(int c, int r, unsigned char d) {
    const bool placed = PlaceWithoutRehash(c, r, d);
    Rehash();
    return placed;
}

bool CBoard::PlaceWithoutRehash(int c, int r, unsigned char d) {
    if (!IsCandidate(c, r, d)) {
        return false;
    }
    SetFlagInPeers(c, r, d, 0);
    m_value[ValueIndex(c, r)] = d;
    return true;
}

void CBoard::Remove(int c, int r) {
    const unsigned char d = m_value[ValueIndex(c, r)];
    if (d != 0) {
        m_value[ValueIndex(c, r)] = 0;
        SetFlagInPeers(c, r, d, 1);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                if (m_value[ValueIndex(col, row)] == d) {
                    SetFlagInPeers(col, row, d, 0);
                }
            }
        }
    }
    Rehash();
}

bool CBoard::IsSolved() const {
    unsigned sum = 0;
    for (unsigned char v : m_value) {
        sum += v;
    }
    return sum == 405;
}

bool CBoard::IsDeadEnd() const {
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (m_value[ValueIndex(c, r)] == 0 && CandidateCount(c, r) == 0) {
                return true;
            }
        }
    }
    return false;
}

int CBoard::CandidateCount(int c, int r) const {
    int count = 0;
    for (unsigned char d = 1; d <= 9; ++d) {
        count += IsCandidate(c, r, d) ? 1 : 0;
    }
    return count;
}

bool CBoard::SameCandidates(int c1, int r1, int c2, int r2) const {
    for (unsigned char d = 1; d <= 9; ++d) {
        if (IsCandidate(c1, r1, d) != IsCandidate(c2, r2, d)) {
            return false;
        }
    }
    return true;
}

void CBoard::Rehash() {
    ComputeImageCrcs(m_value, m_imageCrc);
    std::memcpy(m_savedValue, m_value, sizeof m_value);
    BuildLastImage(m_value, m_imageValue);
    m_crc = m_imageCrc[7];

    Crc32 sorted[8];
    std::copy(std::begin(m_imageCrc), std::end(m_imageCrc), sorted);
    std::sort(std::begin(sorted), std::end(sorted));
    m_fingerprint = kCrcStart;
    for (Crc32 entry : sorted) {
        CrcUpdateValue(m_fingerprint, entry);
    }
}

void CBoard::PlaceGrid(const unsigned char* work) {
    Clear();
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            Place(x, y, work[ValueIndex(x, y)]);
        }
    }
}

// Both transformations rebuild the board by placement, so the candidates afterwards are
// exactly those the placed digits leave and the hashes describe the new board.
void CBoard::Rotate() {
    unsigned char work[81];
    RotateGrid(m_value, work);
    PlaceGrid(work);
}

void CBoard::Mirror() {
    unsigned char work[81];
    FlipGrid(m_value, work);
    PlaceGrid(work);
}

bool SameRecord(const CBoard& a, const CBoard& b) {
    return std::memcmp(a.m_candidate, b.m_candidate, sizeof a.m_candidate) == 0 &&
           std::memcmp(a.m_value, b.m_value, sizeof a.m_value) == 0 && a.m_crc == b.m_crc &&
           a.m_fingerprint == b.m_fingerprint &&
           std::memcmp(a.m_imageCrc, b.m_imageCrc, sizeof a.m_imageCrc) == 0 &&
           std::memcmp(a.m_savedValue, b.m_savedValue, sizeof a.m_savedValue) == 0 &&
           std::memcmp(a.m_imageValue, b.m_imageValue, sizeof a.m_imageValue) == 0;
}

std::string HashPair(const CBoard& board) {
    char pair[20];
    std::snprintf(pair, sizeof pair, "%8X-%8X", board.IdentityCrc(), board.m_fingerprint);
    return pair;
}

#pragma once

#include "crc.h"

// One Sudoku position. Column c and row r run 0 to 8 (left to right, top to bottom), digits
// 1 to 9 with 0 for an empty cell. A plain value: positions are copied by assignment.
struct CBoard {
    // Flag of digit d in cell (c, r) at 81c + 9r + (d - 1): 1 = still allowed.
    unsigned char m_candidate[729];
    // Value of cell (c, r) at 9c + r: stored column by column, the byte order of every CRC.
    unsigned char m_value[81];
    // Working register of the last re-hash; holds the CRC of image 7 afterwards.
    Crc32 m_crc;
    // Equal for a grid and all seven of its rotations and reflections.
    Crc32 m_fingerprint;
    // CRCs of the eight symmetric images; element 0 is the identity CRC, the position's key.
    Crc32 m_imageCrc[8];
    // Work grids of the re-hash: the values, and the last image built from them.
    unsigned char m_savedValue[81];
    unsigned char m_imageValue[81];

    void Init();
    void Clear();
    bool IsCandidate(int c, int r, unsigned char d) const {
        return d >= 1 && d <= 9 && m_value[9 * c + r] == 0 &&
               m_candidate[81 * c + 9 * r + d - 1] == 1;
    }
    bool Place(int c, int r, unsigned char d);
    // Place without the re-hash: the hash fields are a function of the values alone, so a caller
    // that places several digits in a row may re-hash once after the last, before anyone reads
    // them, and ends with the same record.
    bool PlaceWithoutRehash(int c, int r, unsigned char d);
    void Remove(int c, int r);
    bool IsSolved() const;
    bool IsDeadEnd() const;
    int CandidateCount(int c, int r) const;
    bool SameCandidates(int c1, int r1, int c2, int r2) const;
    void Rehash();
    void Rotate();
    void Mirror();

    unsigned char Value(int c, int r) const { return m_value[9 * c + r]; }
    Crc32 IdentityCrc() const { return m_imageCrc[0]; }

    // Clears the board and places the values of a grid in storage order, row by row.
    void PlaceGrid(const unsigned char* grid);

private:
    void SetFlagInPeers(int c, int r, unsigned char d, unsigned char flag);
};

// True when every field of the two records is equal; a field-wise test, so padding never counts.
bool SameRecord(const CBoard& a, const CBoard& b);

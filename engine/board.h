#pragma once

#include "cells.h"
#include "crc.h"

#include <string>

// One Sudoku position. A plain value: positions are copied by assignment.
struct CBoard {
    // The flag of digit d in cell (c, r) at FlagIndex(c, r, d): 1 = still allowed.
    unsigned char m_candidate[729];
    // The value of cell (c, r) at ValueIndex(c, r), the byte order of every CRC.
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
        return d >= 1 && d <= 9 && m_value[ValueIndex(c, r)] == 0 &&
               m_candidate[FlagIndex(c, r, d)] == 1;
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

    unsigned char Value(int c, int r) const { return m_value[ValueIndex(c, r)]; }
    Crc32 IdentityCrc() const { return m_imageCrc[0]; }

    // Clears the board and places the values of a grid in storage order, row by row.
    void PlaceGrid(const unsigned char* grid);

private:
    void SetFlagInPeers(int c, int r, unsigned char d, unsigned char flag);
};

// The identity CRC and the fingerprint as the user reads them, "%8X-%8X": in the status line, the
// names offered for saving and kestrova-cli's library listing.
std::string HashPair(const CBoard& board);

// True when every field of the two records is equal; a field-wise test, so padding never counts.
bool SameRecord(const CBoard& a, const CBoard& b);

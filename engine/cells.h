#pragma once

#include <cassert>

// A cell is named by its column c and row r, each 0 to 8 (left to right, top to bottom as drawn),
// and a digit d runs 1 to 9, with 0 for an empty cell; every operation takes them in the order
// (c, r, d). Two orders number the 81 cells: the storage order, column by column, in which the
// board keeps its values and every CRC and puzzle file reads them; and the reading order, row by
// row, in which puzzles are written as text (library lines, kestrova-cli's input).

// The element of CBoard::m_value that holds cell (c, r): its place in the storage order.
constexpr int ValueIndex(int c, int r) {
    assert(c >= 0 && c <= 8 && r >= 0 && r <= 8);
    return 9 * c + r;
}

// The element of CBoard::m_candidate that holds the flag of digit d in cell (c, r): the nine
// flags of a cell stand together, the cells in storage order.
constexpr int FlagIndex(int c, int r, int d) {
    assert(d >= 1 && d <= 9);
    return 9 * ValueIndex(c, r) + (d - 1);
}

// The place of cell (c, r) in a puzzle written as text: the reading order.
constexpr int ReadingIndex(int c, int r) {
    assert(c >= 0 && c <= 8 && r >= 0 && r <= 8);
    return 9 * r + c;
}

// A cell by column and row.
struct CellPos {
    int col;
    int row;

    bool operator==(const CellPos& other) const { return col == other.col && row == other.row; }
    bool operator!=(const CellPos& other) const { return !(*this == other); }
};

// The cell whose value stands at element index of the storage order.
constexpr CellPos CellOfValueIndex(int index) {
    assert(index >= 0 && index < 81);
    return {index / 9, index % 9};
}

// The cell at place index of the reading order.
constexpr CellPos CellOfReadingIndex(int index) {
    assert(index >= 0 && index < 81);
    return {index % 9, index / 9};
}

#include "solver.h"

#include <array>

namespace libgen {
namespace {

constexpr DigitMask kAllDigits = 0x1FF;

constexpr std::uint32_t kAllUnits = (1u << 27) - 1;

struct Tables {
    std::array<std::array<std::uint8_t, 20>, kCells> peers;
    std::array<std::array<std::uint8_t, 9>, 27> units; // rows, columns, boxes
    std::array<std::uint32_t, kCells> unitsOfCell;     // bit per unit holding the cell
    // A row (or column) within one box, [direction][line][box part]: three cells.
    std::array<std::array<std::array<std::array<std::uint8_t, 3>, 3>, 9>, 2> segments;

    Tables() : unitsOfCell{} {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                units[i][j] = static_cast<std::uint8_t>(9 * i + j);
                units[9 + i][j] = static_cast<std::uint8_t>(9 * j + i);
                units[18 + i][j] =
                    static_cast<std::uint8_t>(9 * (3 * (i / 3) + j / 3) + 3 * (i % 3) + j % 3);
            }
        }
        for (int line = 0; line < 9; ++line) {
            for (int part = 0; part < 3; ++part) {
                for (int k = 0; k < 3; ++k) {
                    segments[0][line][part][k] = static_cast<std::uint8_t>(9 * line + 3 * part + k);
                    segments[1][line][part][k] =
                        static_cast<std::uint8_t>(9 * (3 * part + k) + line);
                }
            }
        }
        for (int unit = 0; unit < 27; ++unit) {
            for (std::uint8_t cell : units[unit]) {
                unitsOfCell[cell] |= 1u << unit;
            }
        }
        for (int cell = 0; cell < kCells; ++cell) {
            int count = 0;
            for (int other = 0; other < kCells; ++other) {
                if (other != cell && SeesCell(cell, other)) {
                    peers[cell][count++] = static_cast<std::uint8_t>(other);
                }
            }
        }
    }

    static bool SeesCell(int a, int b) {
        const int rowA = a / 9;
        const int colA = a % 9;
        const int rowB = b / 9;
        const int colB = b % 9;
        return rowA == rowB || colA == colB || (rowA / 3 == rowB / 3 && colA / 3 == colB / 3);
    }
};

const Tables& GetTables() {
    static const Tables tables;
    return tables;
}

bool IsSingleDigit(DigitMask mask) {
    return (mask & (mask - 1)) == 0;
}

int DigitOf(DigitMask single) {
    return __builtin_ctz(single) + 1;
}

} // namespace

bool Solver::Place(State& state, int cell, int digit) const {
    const DigitMask bit = static_cast<DigitMask>(1u << (digit - 1));
    if (!(state.candidates[cell] & bit)) {
        return false;
    }
    const Tables& tables = GetTables();
    state.candidates[cell] = bit;
    state.value[cell] = static_cast<std::uint8_t>(digit);
    state.changedUnits |= tables.unitsOfCell[cell];
    ++state.placed;
    std::uint8_t nakedSingles[kCells];
    int pending = 0;
    for (std::uint8_t peer : tables.peers[cell]) {
        if (!(state.candidates[peer] & bit)) {
            continue;
        }
        state.candidates[peer] &= static_cast<DigitMask>(~bit);
        state.changedUnits |= tables.unitsOfCell[peer];
        if (state.candidates[peer] == 0) {
            return false;
        }
        if (IsSingleDigit(state.candidates[peer]) && state.value[peer] == 0) {
            nakedSingles[pending++] = peer;
        }
    }
    for (int i = 0; i < pending; ++i) {
        const int peer = nakedSingles[i];
        if (state.value[peer] == 0 && !Place(state, peer, DigitOf(state.candidates[peer]))) {
            return false;
        }
    }
    return true;
}

// Places the digits that only one cell of the unit can still take; false on a contradiction.
bool Solver::PlaceHiddenSingle(State& state, int unit) const {
    const auto& cells = GetTables().units[unit];
    DigitMask once = 0;
    DigitMask twice = 0;
    for (std::uint8_t cell : cells) {
        twice |= once & state.candidates[cell];
        once |= state.candidates[cell];
    }
    if (once != kAllDigits) {
        return false;
    }
    for (DigitMask hidden = once & ~twice; hidden; hidden &= hidden - 1) {
        const DigitMask bit = hidden & -hidden;
        for (std::uint8_t cell : cells) {
            if ((state.candidates[cell] & bit) && state.value[cell] == 0) {
                if (!Place(state, cell, DigitOf(bit))) {
                    return false;
                }
                break;
            }
        }
    }
    return true;
}

bool Solver::Eliminate(State& state, const std::array<std::uint8_t, 3>& cells,
                       DigitMask digits) const {
    for (std::uint8_t cell : cells) {
        if (!(state.candidates[cell] & digits)) {
            continue;
        }
        state.candidates[cell] &= static_cast<DigitMask>(~digits);
        state.changedUnits |= GetTables().unitsOfCell[cell];
        if (state.candidates[cell] == 0) {
            return false;
        }
        if (IsSingleDigit(state.candidates[cell]) && state.value[cell] == 0 &&
            !Place(state, cell, DigitOf(state.candidates[cell]))) {
            return false;
        }
    }
    return true;
}

// A digit that a box can hold in one of its rows only leaves the rest of that row, and a digit
// that a row can hold in one box only leaves the rest of that box; the same for columns. This
// cuts the search trees that prove a puzzle has no solution, most of the counting work.
bool Solver::ApplyLockedCandidates(State& state) const {
    for (const auto& direction : GetTables().segments) {
        // Per segment: the digits its open cells can take, and all its digits (placed included),
        // so that a digit already placed never counts as locked.
        DigitMask open[9][3];
        DigitMask all[9][3];
        for (int line = 0; line < 9; ++line) {
            for (int part = 0; part < 3; ++part) {
                open[line][part] = all[line][part] = 0;
                for (std::uint8_t cell : direction[line][part]) {
                    all[line][part] |= state.candidates[cell];
                    if (state.value[cell] == 0) {
                        open[line][part] |= state.candidates[cell];
                    }
                }
            }
        }
        for (int line = 0; line < 9; ++line) {
            for (int part = 0; part < 3; ++part) {
                const int firstLine = line - line % 3;
                DigitMask restOfLine = 0;
                DigitMask restOfBox = 0;
                for (int k = 0; k < 3; ++k) {
                    if (k != part) {
                        restOfLine |= all[line][k];
                    }
                    if (firstLine + k != line) {
                        restOfBox |= all[firstLine + k][part];
                    }
                }
                const DigitMask boxOnlyHere = open[line][part] & ~restOfBox & restOfLine;
                const DigitMask lineOnlyHere = open[line][part] & ~restOfLine & restOfBox;
                if (!boxOnlyHere && !lineOnlyHere) {
                    continue;
                }
                // Act on one segment at a time; the caller comes back with fresh masks.
                for (int k = 0; k < 3; ++k) {
                    if (k != part && !Eliminate(state, direction[line][k], boxOnlyHere)) {
                        return false;
                    }
                    if (firstLine + k != line &&
                        !Eliminate(state, direction[firstLine + k][part], lineOnlyHere)) {
                        return false;
                    }
                }
                return true;
            }
        }
    }
    return true;
}

// Only units whose candidates changed can hold a new hidden single, so only they are scanned.
bool Solver::Propagate(State& state) const {
    while (state.placed < kCells) {
        while (state.changedUnits && state.placed < kCells) {
            const int unit = __builtin_ctz(state.changedUnits);
            state.changedUnits &= state.changedUnits - 1;
            if (!PlaceHiddenSingle(state, unit)) {
                return false;
            }
        }
        if (state.placed == kCells) {
            break;
        }
        if (!ApplyLockedCandidates(state)) {
            return false;
        }
        if (!state.changedUnits) {
            break;
        }
    }
    return true;
}

bool Solver::Load(const Grid& puzzle) {
    m_root = State{};
    for (DigitMask& mask : m_root.candidates) {
        mask = kAllDigits;
    }
    m_root.changedUnits = kAllUnits;
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle[cell] != 0 && m_root.value[cell] != puzzle[cell] &&
            !Place(m_root, cell, puzzle[cell])) {
            return false;
        }
    }
    return Propagate(m_root);
}

bool Solver::LoadWithGiven(const Solver& base, int cell, int digit) {
    m_root = base.m_root;
    return Place(m_root, cell, digit) && Propagate(m_root);
}

Grid Solver::Settled() const {
    Grid settled{};
    for (int cell = 0; cell < kCells; ++cell) {
        settled[cell] = m_root.value[cell];
    }
    return settled;
}

int Solver::CountSolutions(int limit, std::vector<Grid>* found) const {
    int count = 0;
    Search(m_root, limit, count, found);
    return count;
}

void Solver::Search(const State& state, int limit, int& count, std::vector<Grid>* found) const {
    if (state.placed == kCells) {
        ++count;
        if (found) {
            Grid solution;
            for (int cell = 0; cell < kCells; ++cell) {
                solution[cell] = state.value[cell];
            }
            found->push_back(solution);
        }
        return;
    }
    int branchCell = -1;
    int fewest = 10;
    for (int cell = 0; cell < kCells && fewest > 2; ++cell) {
        if (state.value[cell] != 0) {
            continue;
        }
        const int options = __builtin_popcount(state.candidates[cell]);
        if (options < fewest) {
            fewest = options;
            branchCell = cell;
        }
    }
    for (DigitMask options = state.candidates[branchCell]; options && count < limit;
         options &= options - 1) {
        State next = state;
        if (Place(next, branchCell, DigitOf(options & -options)) && Propagate(next)) {
            Search(next, limit, count, found);
        }
    }
}

int CountSolutions(const Grid& puzzle, int limit) {
    Solver solver;
    return solver.Load(puzzle) ? solver.CountSolutions(limit) : 0;
}

} // namespace libgen

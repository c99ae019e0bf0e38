#pragma once

#include "grid.h"

#include <array>
#include <cstdint>
#include <vector>

namespace libgen {

using DigitMask = std::uint16_t; // bit d - 1 set: digit d is still possible

// A bitmask solver for counting solutions, with naked and hidden singles and locked candidates
// between guesses.
class Solver {
public:
    // Places the givens and propagates them; false when the puzzle contradicts itself.
    bool Load(const Grid& puzzle);
    // The same as loading the base's puzzle with one given more, without redoing the base's work.
    bool LoadWithGiven(const Solver& base, int cell, int digit);

    // The digits the givens fix before any guess (after a successful load).
    Grid Settled() const;
    DigitMask Candidates(int cell) const { return m_root.candidates[cell]; }

    // Counts the solutions of the loaded puzzle, stopping at the limit; every solution met is
    // appended to found when it is given.
    int CountSolutions(int limit, std::vector<Grid>* found = nullptr) const;

private:
    struct State {
        DigitMask candidates[kCells];
        std::uint8_t value[kCells];
        int placed;
        std::uint32_t changedUnits; // bit per unit whose candidates changed since its last scan
    };

    bool Place(State& state, int cell, int digit) const;
    bool Propagate(State& state) const;
    bool PlaceHiddenSingle(State& state, int unit) const;
    bool Eliminate(State& state, const std::array<std::uint8_t, 3>& cells, DigitMask digits) const;
    bool ApplyLockedCandidates(State& state) const;
    void Search(const State& state, int limit, int& count, std::vector<Grid>* found) const;

    State m_root{};
};

// Solutions of a puzzle up to the limit (0 for a contradictory one).
int CountSolutions(const Grid& puzzle, int limit);

} // namespace libgen

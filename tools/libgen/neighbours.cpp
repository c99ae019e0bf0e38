#include "neighbours.h"

#include "solver.h"

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace libgen {
namespace {

struct Given {
    int cell;
    int digit;
};

using DigitsPerCell = std::array<DigitMask, kCells>;

std::uint64_t HashGrid(const Grid& grid) {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::uint8_t value : grid) {
        hash = (hash ^ value) * 1099511628211ull;
    }
    return hash;
}

// How many different solutions of one puzzle met so far hold each (cell, digit), up to two. A
// given found in two cannot be added to make the solution unique, which spares most counting.
class SeenSolutions {
public:
    // Each solution is to be counted once.
    void Count(const Grid& solution) {
        for (int cell = 0; cell < kCells; ++cell) {
            std::uint8_t& times = m_times[cell][solution[cell]];
            times = static_cast<std::uint8_t>(times < 2 ? times + 1 : 2);
        }
    }
    bool SeenTwice(const Given& given) const { return m_times[given.cell][given.digit] >= 2; }

private:
    std::array<std::array<std::uint8_t, 10>, kCells> m_times{};
};

// The different solutions met for one reduced puzzle, indexed by the givens they hold. With two
// givens removed, the pool is shared by the puzzles made by adding a first given back: their
// solutions are those of the pool that hold it.
class SolutionPool {
public:
    // True when the solution was not met before.
    bool Add(const Grid& solution) {
        if (!m_hashes.insert(HashGrid(solution)).second) {
            return false;
        }
        const auto index = static_cast<std::uint32_t>(m_solutions.size());
        m_solutions.push_back(solution);
        for (int cell = 0; cell < kCells; ++cell) {
            m_holding[cell][solution[cell]].push_back(index);
        }
        return true;
    }
    void CountHolding(const Given& given, SeenSolutions& seen) const {
        for (std::uint32_t index : m_holding[given.cell][given.digit]) {
            seen.Count(m_solutions[index]);
        }
    }

private:
    std::unordered_set<std::uint64_t> m_hashes;
    std::vector<Grid> m_solutions;
    std::array<std::array<std::vector<std::uint32_t>, 10>, kCells> m_holding;
};

bool IsAmong(const Given& given, const std::vector<Given>& list) {
    for (const Given& other : list) {
        if (other.cell == given.cell && other.digit == given.digit) {
            return true;
        }
    }
    return false;
}

DigitsPerCell CandidatesOf(const Solver& solver) {
    DigitsPerCell candidates;
    for (int cell = 0; cell < kCells; ++cell) {
        candidates[cell] = solver.Candidates(cell);
    }
    return candidates;
}

// Tries every single given added to a reduced puzzle (from cell firstCell on, only allowed
// digits, none of the excluded givens) and passes on each result with one solution. Cells the
// givens already fix are skipped: their digit keeps every solution, any other digit none.
// seen must hold the pool's solutions of the reduced puzzle.
void AddOneGiven(const Grid& reduced, const Solver& reducedSolver, int firstCell,
                 const DigitsPerCell& allowed, const std::vector<Given>& excluded,
                 SeenSolutions& seen, SolutionPool& pool, const PuzzleSink& sink) {
    const Grid settled = reducedSolver.Settled();
    std::vector<Grid> found;
    Solver solver;
    for (int cell = firstCell; cell < kCells; ++cell) {
        if (settled[cell] != 0) {
            continue;
        }
        for (DigitMask options = reducedSolver.Candidates(cell) & allowed[cell]; options;
             options &= options - 1) {
            const Given added{cell, __builtin_ctz(options) + 1};
            if (seen.SeenTwice(added) || IsAmong(added, excluded)) {
                continue;
            }
            found.clear();
            const int solutions = solver.LoadWithGiven(reducedSolver, added.cell, added.digit)
                                      ? solver.CountSolutions(2, &found)
                                      : 0;
            for (const Grid& solution : found) {
                if (pool.Add(solution)) {
                    seen.Count(solution);
                }
            }
            if (solutions == 1) {
                Grid candidate = reduced;
                candidate[added.cell] = static_cast<std::uint8_t>(added.digit);
                sink(candidate);
            }
        }
    }
}

std::vector<Given> GivensOf(const Grid& puzzle) {
    std::vector<Given> givens;
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle[cell] != 0) {
            givens.push_back({cell, puzzle[cell]});
        }
    }
    return givens;
}

Grid Without(Grid puzzle, const std::vector<Given>& removed) {
    for (const Given& given : removed) {
        puzzle[given.cell] = 0;
    }
    return puzzle;
}

// The digits each cell takes in at least one solution. A digit that no solution has would
// otherwise be tried after every first given added, each time proved impossible by a full
// search; proving it once here is far cheaper.
DigitsPerCell DigitsInSomeSolution(const Solver& reducedSolver, SolutionPool& pool) {
    DigitsPerCell possible{};
    std::vector<Grid> found;
    Solver probe;
    for (int cell = 0; cell < kCells; ++cell) {
        for (DigitMask options = reducedSolver.Candidates(cell); options; options &= options - 1) {
            const DigitMask bit = options & -options;
            if (possible[cell] & bit) {
                continue;
            }
            found.clear();
            if (!probe.LoadWithGiven(reducedSolver, cell, __builtin_ctz(bit) + 1) ||
                probe.CountSolutions(1, &found) == 0) {
                continue;
            }
            for (int other = 0; other < kCells; ++other) {
                possible[other] |= static_cast<DigitMask>(1u << (found[0][other] - 1));
            }
            pool.Add(found[0]);
        }
    }
    return possible;
}

void AddTwoGivens(const Grid& reduced, const std::vector<Given>& removed, const PuzzleSink& sink) {
    Solver reducedSolver;
    if (!reducedSolver.Load(reduced)) {
        return;
    }
    const Grid settled = reducedSolver.Settled();
    SolutionPool pool;
    const DigitsPerCell possible = DigitsInSomeSolution(reducedSolver, pool);
    Solver firstSolver;
    for (int cell = 0; cell < kCells; ++cell) {
        if (settled[cell] != 0) {
            continue;
        }
        for (DigitMask options = possible[cell]; options; options &= options - 1) {
            const Given first{cell, __builtin_ctz(options) + 1};
            if (IsAmong(first, removed) ||
                !firstSolver.LoadWithGiven(reducedSolver, first.cell, first.digit)) {
                continue;
            }
            Grid withFirst = reduced;
            withFirst[first.cell] = static_cast<std::uint8_t>(first.digit);
            SeenSolutions seen;
            pool.CountHolding(first, seen);
            AddOneGiven(withFirst, firstSolver, cell + 1, possible, removed, seen, pool, sink);
        }
    }
}

} // namespace

void ForEachOneSwapNeighbour(const Grid& puzzle, const PuzzleSink& sink) {
    for (const Given& given : GivensOf(puzzle)) {
        const std::vector<Given> removed{given};
        const Grid reduced = Without(puzzle, removed);
        Solver solver;
        if (!solver.Load(reduced)) {
            continue;
        }
        SeenSolutions seen;
        SolutionPool pool;
        AddOneGiven(reduced, solver, 0, CandidatesOf(solver), removed, seen, pool, sink);
    }
}

void ForEachTwoSwapNeighbour(const Grid& puzzle, const PuzzleSink& sink) {
    const std::vector<Given> givens = GivensOf(puzzle);
    for (std::size_t i = 0; i < givens.size(); ++i) {
        for (std::size_t j = i + 1; j < givens.size(); ++j) {
            const std::vector<Given> removed{givens[i], givens[j]};
            AddTwoGivens(Without(puzzle, removed), removed, sink);
        }
    }
}

} // namespace libgen

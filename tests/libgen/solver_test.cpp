#include "discovery.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <set>

namespace libgen {
namespace {

bool IsCompleteSolution(const Grid& grid) {
    for (int i = 0; i < 9; ++i) {
        unsigned row = 0;
        unsigned column = 0;
        unsigned box = 0;
        for (int j = 0; j < 9; ++j) {
            row |= 1u << grid[9 * i + j];
            column |= 1u << grid[9 * j + i];
            box |= 1u << grid[9 * (3 * (i / 3) + j / 3) + 3 * (i % 3) + j % 3];
        }
        if (row != 0x3FE || column != 0x3FE || box != 0x3FE) {
            return false;
        }
    }
    return true;
}

Grid SolutionOf(const Grid& puzzle) {
    Solver solver;
    std::vector<Grid> found;
    EXPECT_TRUE(solver.Load(puzzle));
    EXPECT_EQ(1, solver.CountSolutions(2, &found));
    return found.front();
}

// Empties two rows and two columns of a solution where the four cells hold a, b / b, a and
// the rows share a band: swapping a and b there gives exactly one other solution.
Grid WithDeadlyRectangleEmptied(Grid solution) {
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9 && r2 / 3 == r1 / 3; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if (solution[9 * r1 + c1] == solution[9 * r2 + c2] &&
                        solution[9 * r1 + c2] == solution[9 * r2 + c1] && c1 / 3 != c2 / 3) {
                        for (int cell : {9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1, 9 * r2 + c2}) {
                            solution[cell] = 0;
                        }
                        return solution;
                    }
                }
            }
        }
    }
    ADD_FAILURE() << "no deadly rectangle in the solution";
    return solution;
}

TEST(SolverTest, EverySeedHasExactlyOneSolutionThatKeepsItsGivens) {
    for (const Grid& seed : SeedPuzzles()) {
        const Grid solution = SolutionOf(seed);
        EXPECT_TRUE(IsCompleteSolution(solution));
        for (int cell = 0; cell < kCells; ++cell) {
            if (seed[cell] != 0) {
                EXPECT_EQ(seed[cell], solution[cell]);
            }
        }
    }
}

TEST(SolverTest, ContradictionsHaveNoSolution) {
    Grid clash{};
    clash[0] = clash[5] = 4; // the same digit twice in a row
    EXPECT_EQ(0, CountSolutions(clash, 2));

    // Row 0 holds 1..8, so its last cell needs the 9 that column 8 already has: no single
    // given clashes, the contradiction shows only once the row is worked out.
    Grid hidden{};
    for (int column = 0; column < 8; ++column) {
        hidden[column] = static_cast<std::uint8_t>(column + 1);
    }
    hidden[9 * 5 + 8] = 9;
    EXPECT_EQ(0, CountSolutions(hidden, 2));
}

TEST(SolverTest, DeadlyRectangleGivesExactlyTwoDistinctSolutions) {
    const Grid solution = SolutionOf(SeedPuzzles()[0]);
    Solver solver;
    ASSERT_TRUE(solver.Load(WithDeadlyRectangleEmptied(solution)));
    std::vector<Grid> found;
    EXPECT_EQ(2, solver.CountSolutions(10, &found));
    ASSERT_EQ(2u, found.size());
    EXPECT_NE(found[0], found[1]);
    EXPECT_TRUE(IsCompleteSolution(found[0]) && IsCompleteSolution(found[1]));
}

TEST(SolverTest, CountingStopsAtTheLimitWithDistinctValidSolutions) {
    Grid sixteen = SeedPuzzles()[1];
    sixteen[6] = 0;
    Solver solver;
    ASSERT_TRUE(solver.Load(sixteen));
    std::vector<Grid> found;
    EXPECT_EQ(50, solver.CountSolutions(50, &found));
    EXPECT_EQ(50u, std::set<Grid>(found.begin(), found.end()).size());
    for (const Grid& solution : found) {
        EXPECT_TRUE(IsCompleteSolution(solution));
    }
    EXPECT_EQ(1000, CountSolutions(Grid{}, 1000));
}

TEST(SolverTest, SettledCellsAreTheSinglesOnly) {
    Solver solver;
    ASSERT_TRUE(solver.Load(SeedPuzzles()[0]));
    const Grid settled = solver.Settled();
    const Grid solution = SolutionOf(SeedPuzzles()[0]);
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (settled[cell] == 0) {
            continue;
        }
        EXPECT_EQ(solution[cell], settled[cell]);
        EXPECT_EQ(1u << (settled[cell] - 1), solver.Candidates(cell));
        ++count;
    }
    EXPECT_GE(count, kGivensPerPuzzle);
}

} // namespace
} // namespace libgen

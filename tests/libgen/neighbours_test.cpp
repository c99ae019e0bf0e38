#include "discovery.h"
#include "neighbours.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <set>

namespace libgen {
namespace {

int SharedGivens(const Grid& a, const Grid& b) {
    int shared = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        shared += a[cell] != 0 && a[cell] == b[cell];
    }
    return shared;
}

// Every remove-one, add-one result with one solution, found by counting each one in full.
std::set<Grid> OneSwapNeighboursByBruteForce(const Grid& puzzle) {
    std::set<Grid> neighbours;
    for (int removed = 0; removed < kCells; ++removed) {
        if (puzzle[removed] == 0) {
            continue;
        }
        Grid reduced = puzzle;
        reduced[removed] = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            for (std::uint8_t digit = 1; digit <= 9 && reduced[cell] == 0; ++digit) {
                Grid candidate = reduced;
                candidate[cell] = digit;
                if (candidate != puzzle && CountSolutions(candidate, 2) == 1) {
                    neighbours.insert(candidate);
                }
            }
        }
    }
    return neighbours;
}

TEST(NeighboursTest, OneSwapFindsExactlyTheUniqueNeighbours) {
    for (const Grid& seed : {SeedPuzzles()[0], SeedPuzzles()[3]}) {
        std::set<Grid> found;
        ForEachOneSwapNeighbour(seed, [&](const Grid& neighbour) {
            EXPECT_EQ(kGivensPerPuzzle, CountGivens(neighbour));
            EXPECT_EQ(1, CountSolutions(neighbour, 2));
            EXPECT_EQ(kGivensPerPuzzle - 1, SharedGivens(neighbour, seed));
            found.insert(neighbour);
        });
        EXPECT_FALSE(found.empty());
        EXPECT_EQ(OneSwapNeighboursByBruteForce(seed), found);
    }
}

TEST(NeighboursTest, TwoSwapGivesUniquePuzzlesTwoGivensAway) {
    std::set<Grid> found;
    ForEachTwoSwapNeighbour(SeedPuzzles()[0], [&](const Grid& neighbour) {
        EXPECT_EQ(kGivensPerPuzzle, CountGivens(neighbour));
        EXPECT_EQ(1, CountSolutions(neighbour, 2));
        EXPECT_EQ(kGivensPerPuzzle - 2, SharedGivens(neighbour, SeedPuzzles()[0]));
        found.insert(neighbour);
    });
    EXPECT_FALSE(found.empty());
}

} // namespace
} // namespace libgen

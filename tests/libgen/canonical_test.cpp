#include "canonical.h"
#include "discovery.h"
#include "solver.h"
#include "symmetry.h"

#include <gtest/gtest.h>

#include <set>

namespace libgen {
namespace {

TEST(CanonicalTest, AllSymmetricVariantsShareTheForm) {
    Random random(7);
    for (const Grid& seed : SeedPuzzles()) {
        const Grid form = CanonicalForm(seed);
        for (int i = 0; i < 300; ++i) {
            const Grid variant = Apply(RandomSymmetry(random, true), seed);
            ASSERT_EQ(form, CanonicalForm(variant)) << FormatGrid(variant);
        }
    }
}

TEST(CanonicalTest, FormIsAnEquivalentPuzzleAndItsOwnForm) {
    for (const Grid& seed : SeedPuzzles()) {
        const Grid form = CanonicalForm(seed);
        EXPECT_EQ(kGivensPerPuzzle, CountGivens(form));
        EXPECT_EQ(1, CountSolutions(form, 2));
        EXPECT_EQ(form, CanonicalForm(form));
    }
}

TEST(CanonicalTest, DifferentPuzzlesGetDifferentForms) {
    std::set<Grid> forms;
    for (const Grid& seed : SeedPuzzles()) {
        forms.insert(CanonicalForm(seed));
    }
    EXPECT_EQ(SeedPuzzles().size(), forms.size());

    // Same givens pattern, one digit changed: only the digits tell them apart.
    Grid changed = SeedPuzzles()[0];
    changed[7] = changed[7] == 3 ? 5 : 3;
    EXPECT_NE(CanonicalForm(SeedPuzzles()[0]), CanonicalForm(changed));
}

TEST(SymmetryTest, VariantsWithoutTranspositionKeepRowsAsRows) {
    Random random(3);
    const Grid seed = SeedPuzzles()[2];
    for (int i = 0; i < 50; ++i) {
        const Symmetry symmetry = RandomSymmetry(random, false);
        EXPECT_FALSE(symmetry.transpose);
        const Grid variant = Apply(symmetry, seed);
        for (int row = 0; row < 9; ++row) {
            int before = 0;
            int after = 0;
            for (int column = 0; column < 9; ++column) {
                before += seed[9 * symmetry.rows[row] + column] != 0;
                after += variant[9 * row + column] != 0;
            }
            EXPECT_EQ(before, after);
        }
    }
}

} // namespace
} // namespace libgen

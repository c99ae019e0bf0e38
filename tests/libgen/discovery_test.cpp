#include "canonical.h"
#include "discovery.h"
#include "solver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace libgen {
namespace {

std::string Explored(ClassStore& store, std::size_t maxClasses) {
    Explore(store, {0, maxClasses}, [] {});
    std::ostringstream state;
    store.Write(state);
    return state.str();
}

TEST(DiscoveryTest, ResumingFromTheSavedStateEndsWhereOneRunEnds) {
    ClassStore straight;
    const std::string expected = Explored(straight, 40);

    ClassStore first;
    std::istringstream saved(Explored(first, 15));
    ClassStore resumed;
    ASSERT_TRUE(resumed.Read(saved));
    EXPECT_EQ(expected, Explored(resumed, 40));
}

TEST(DiscoveryTest, FoundClassesAreDistinctUniqueSeventeens) {
    ClassStore store;
    Explored(store, 40);
    ASSERT_GE(store.Entries().size(), 40u);
    for (const ClassStore::Entry& entry : store.Entries()) {
        EXPECT_EQ(kGivensPerPuzzle, CountGivens(entry.canonical));
        EXPECT_EQ(1, CountSolutions(entry.canonical, 2));
        EXPECT_EQ(entry.canonical, CanonicalForm(entry.canonical));
        EXPECT_FALSE(store.Add(entry.canonical));
    }
}

TEST(DiscoveryTest, StateWithABadLineIsRefusedWhole) {
    const std::string good = FormatGrid(SeedPuzzles()[0]) + " 1-\n";
    for (const std::string& bad : {FormatGrid(SeedPuzzles()[1]) + " 3-\n",
                                   FormatGrid(SeedPuzzles()[1]).substr(1) + " --\n", good}) {
        std::istringstream in(good + bad);
        ClassStore store;
        EXPECT_FALSE(store.Read(in)) << bad;
        EXPECT_TRUE(store.Entries().empty());
    }
}

} // namespace
} // namespace libgen

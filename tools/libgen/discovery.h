#pragma once

#include "grid.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <unordered_set>
#include <vector>

namespace libgen {

// The six starting puzzles: 17 givens, one solution each, and large one-swap families.
const std::vector<Grid>& SeedPuzzles();

// The essentially different puzzles found so far, in the order they were found, each with the
// moves already tried from it. Exploring is driven by that order alone, so a run that stops and
// resumes from its saved state ends where an uninterrupted run with the same budget would.
class ClassStore {
public:
    struct Entry {
        Grid canonical;
        bool oneSwapDone = false;
        bool twoSwapDone = false;
    };

    // Adds the puzzle's class unless known; true when it was new.
    bool Add(const Grid& puzzle);

    const std::vector<Entry>& Entries() const { return m_entries; }
    std::size_t TwoSwapsDone() const;

    // One line per class: 81 digits, a space, "-" or "1" (one-swap tried), "-" or "2".
    void Write(std::ostream& out) const;
    // False (and nothing kept) when a line is malformed.
    bool Read(std::istream& in);

    void MarkOneSwapDone(std::size_t index) { m_entries[index].oneSwapDone = true; }
    void MarkTwoSwapDone(std::size_t index) { m_entries[index].twoSwapDone = true; }

private:
    std::vector<Entry> m_entries;
    std::unordered_set<std::string> m_known;
};

// Which class not yet tried gets the next two-swap. The classes found first lie in the large
// one-swap families of the seeds, and their two-swaps meet several new classes each; the newest
// are mostly isolated puzzles whose two-swaps meet few.
enum class TwoSwapOrder { OldestFirst, NewestFirst };

struct ExploreBudget {
    std::size_t twoSwaps = 0;   // two-swap expansions in total, those of earlier runs included
    std::size_t maxClasses = 0; // stop once this many classes are known (0: no limit)
    TwoSwapOrder order = TwoSwapOrder::OldestFirst;
};

// Tries one-swap moves from every class not yet tried, then one two-swap, and again, until the
// budget is spent. checkpoint runs after every round, when the store is a state to resume from.
void Explore(ClassStore& store, const ExploreBudget& budget,
             const std::function<void()>& checkpoint);

} // namespace libgen

#include "discovery.h"

#include "canonical.h"
#include "neighbours.h"

#include <istream>
#include <ostream>

namespace libgen {

const std::vector<Grid>& SeedPuzzles() {
    static const std::vector<Grid> seeds = [] {
        const char* const digits[] = {
            "000000031600020000000070000050108000200000600000300070000040200030500000700000000",
            "000000207100040000000000300002300500060010000040090000900000010003500000000200000",
            "000000108700400000000000000000038600400000070000010000000500064035200000010000000",
            "000000081400300000300050000190000500000028000000600000082000050000400700000000000",
            "000000024010008000000070000600201500400000003000000000070000810500430000000000000",
            "000020004000100600080000070601300000000000200000000080040087000700000100000005000",
        };
        std::vector<Grid> grids;
        for (const char* seed : digits) {
            grids.push_back(*ParseGrid(seed));
        }
        return grids;
    }();
    return seeds;
}

bool ClassStore::Add(const Grid& puzzle) {
    const Grid canonical = CanonicalForm(puzzle);
    if (!m_known.insert(FormatGrid(canonical)).second) {
        return false;
    }
    m_entries.push_back({canonical});
    return true;
}

std::size_t ClassStore::TwoSwapsDone() const {
    std::size_t done = 0;
    for (const Entry& entry : m_entries) {
        done += entry.twoSwapDone;
    }
    return done;
}

void ClassStore::Write(std::ostream& out) const {
    for (const Entry& entry : m_entries) {
        out << FormatGrid(entry.canonical) << ' ' << (entry.oneSwapDone ? '1' : '-')
            << (entry.twoSwapDone ? '2' : '-') << '\n';
    }
}

bool ClassStore::Read(std::istream& in) {
    ClassStore loaded;
    std::string line;
    while (std::getline(in, line)) {
        const auto grid = ParseGrid(line.substr(0, kCells));
        const std::string marks = line.size() > kCells ? line.substr(kCells) : "";
        if (!grid || (marks != " --" && marks != " 1-" && marks != " -2" && marks != " 12")) {
            return false;
        }
        if (!loaded.m_known.insert(line.substr(0, kCells)).second) {
            return false;
        }
        loaded.m_entries.push_back({*grid, marks[1] == '1', marks[2] == '2'});
    }
    *this = std::move(loaded);
    return true;
}

namespace {

bool ClassLimitReached(const ClassStore& store, const ExploreBudget& budget) {
    return budget.maxClasses != 0 && store.Entries().size() >= budget.maxClasses;
}

void ExpandOneSwaps(ClassStore& store, const ExploreBudget& budget) {
    for (std::size_t i = 0; i < store.Entries().size(); ++i) {
        if (store.Entries()[i].oneSwapDone) {
            continue;
        }
        if (ClassLimitReached(store, budget)) {
            return;
        }
        // A copy: adding classes may move the entries.
        const Grid puzzle = store.Entries()[i].canonical;
        ForEachOneSwapNeighbour(puzzle, [&](const Grid& found) { store.Add(found); });
        store.MarkOneSwapDone(i);
    }
}

bool ExpandNextTwoSwap(ClassStore& store, TwoSwapOrder order) {
    const std::size_t count = store.Entries().size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t i = order == TwoSwapOrder::OldestFirst ? k : count - 1 - k;
        if (store.Entries()[i].twoSwapDone) {
            continue;
        }
        const Grid puzzle = store.Entries()[i].canonical;
        ForEachTwoSwapNeighbour(puzzle, [&](const Grid& found) { store.Add(found); });
        store.MarkTwoSwapDone(i);
        return true;
    }
    return false;
}

} // namespace

void Explore(ClassStore& store, const ExploreBudget& budget,
             const std::function<void()>& checkpoint) {
    if (store.Entries().empty()) {
        for (const Grid& seed : SeedPuzzles()) {
            store.Add(seed);
        }
    }
    for (;;) {
        ExpandOneSwaps(store, budget);
        checkpoint();
        if (ClassLimitReached(store, budget) || store.TwoSwapsDone() >= budget.twoSwaps) {
            return;
        }
        if (!ExpandNextTwoSwap(store, budget.order)) {
            return;
        }
        checkpoint();
    }
}

} // namespace libgen

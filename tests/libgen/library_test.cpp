#include "discovery.h"
#include "library.h"
#include "solver.h"

#include <gtest/gtest.h>

namespace libgen {
namespace {

constexpr std::size_t kLines = 12;

class LibraryTest : public ::testing::Test {
protected:
    const std::string text = BuildLibraryText(SeedPuzzles(), kLines, 42);

    std::string WithLine(std::size_t index, const std::string& line) const {
        std::string changed = text;
        changed.replace(index * kLibraryLineLength, kLibraryLineLength, line);
        return changed;
    }
    std::string Line(std::size_t index) const {
        return text.substr(index * kLibraryLineLength, kLibraryLineLength);
    }

    void ExpectFault(const std::string& faulty, const std::string& words) const {
        const auto fault = FindLibraryFault(faulty, kLines);
        ASSERT_TRUE(fault.has_value());
        EXPECT_NE(std::string::npos, fault->find(words)) << *fault;
    }
};

TEST_F(LibraryTest, BuiltTextIsGoodAndShowsEveryClass) {
    EXPECT_EQ(std::nullopt, FindLibraryFault(text, kLines));
    EXPECT_EQ(SeedPuzzles().size(), CountClasses(text));
}

TEST_F(LibraryTest, SeedDecidesTheText) {
    EXPECT_EQ(text, BuildLibraryText(SeedPuzzles(), kLines, 42));
    EXPECT_NE(text, BuildLibraryText(SeedPuzzles(), kLines, 43));
}

TEST_F(LibraryTest, LinesAreVariantsNotCopiesOfTheClasses) {
    for (const Grid& seed : SeedPuzzles()) {
        EXPECT_EQ(std::string::npos, text.find(FormatGrid(seed)));
    }
}

TEST_F(LibraryTest, RejectsWrongGivensAndSolutions) {
    std::string sixteen = Line(3);
    sixteen[sixteen.find_first_not_of('0')] = '0';
    ExpectFault(WithLine(3, sixteen), "line 4 has 16 givens");

    // Seventeen givens that no longer fix the solution: one given moved to a free cell of
    // the same solution.
    Grid solution;
    {
        Solver solver;
        std::vector<Grid> found;
        ASSERT_TRUE(solver.Load(*ParseGrid(Line(5).substr(0, kCells))));
        ASSERT_EQ(1, solver.CountSolutions(2, &found));
        solution = found[0];
    }
    Grid ambiguous = *ParseGrid(Line(5).substr(0, kCells));
    const int moved = static_cast<int>(Line(5).find_first_not_of('0'));
    ambiguous[moved] = 0;
    const int target = moved == 80 ? 79 : 80;
    ambiguous[target] = solution[target];
    ASSERT_EQ(kGivensPerPuzzle, CountGivens(ambiguous));
    ASSERT_EQ(2, CountSolutions(ambiguous, 2));
    ExpectFault(WithLine(5, FormatGrid(ambiguous) + "\r\n"), "line 6 has more than one solution");
}

TEST_F(LibraryTest, RejectsRepeatsAndLayoutFaults) {
    ExpectFault(WithLine(7, Line(2)), "line 8 repeats");
    ExpectFault(WithLine(1, Line(1).substr(0, kCells) + "\n\r"), "line 2 does not end in CR LF");
    ExpectFault(WithLine(1, Line(1).substr(0, kCells) + " \n"), "line 2 does not end in CR LF");
    std::string letter = Line(4);
    letter[10] = 'x';
    ExpectFault(WithLine(4, letter), "line 5 holds a character");

    ExpectFault(text + Line(0), "bytes");
    ExpectFault(text.substr(0, text.size() - kLibraryLineLength), "bytes");
    ExpectFault(text.substr(0, text.size() - 1), "bytes");
    EXPECT_TRUE(FindLibraryFault(text, kLines + 1).has_value());
}

} // namespace
} // namespace libgen

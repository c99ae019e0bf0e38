#include "sources/library.h"

#include "framework/file.h"
#include "made_up_library.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// A small stand-in library: the check takes its length and CRC as parameters.
std::vector<unsigned char> SmallLibrary() {
    std::vector<unsigned char> library = MadeUpLibrary();
    library.resize(10 * kLibraryLineLength);
    return library;
}

class LibraryCheck : public ::testing::Test {
protected:
    LibraryStatus Check(const std::vector<unsigned char>& fileBytes) {
        WriteBytes(m_folder.File("Kestrova.exe"), fileBytes);
        return CheckFile("Kestrova.exe");
    }

    LibraryStatus CheckFile(const std::string& path) {
        CurrentFolder inFolder(m_folder.Path());
        m_read.assign(m_library.size(), 0);
        return ReadLibraryFile(path, m_read.data(), m_library.size(),
                               CrcOf(m_library.data(), m_library.size()));
    }

    std::vector<unsigned char> WithProgramInFront() const {
        const unsigned char programImage[] = {'M', 'Z', 0, 1, 2, 3};
        std::vector<unsigned char> file(std::begin(programImage), std::end(programImage));
        file.resize(file.size() + m_library.size());
        std::copy(m_library.begin(), m_library.end(), file.end() - m_library.size());
        return file;
    }

    TempFolder m_folder;
    std::vector<unsigned char> m_library = SmallLibrary();
    std::vector<unsigned char> m_read;
};

TEST_F(LibraryCheck, ReadsTheTailOfTheFileWhateverStandsInFront) {
    EXPECT_EQ(LibraryStatus::Good, Check(m_library));
    EXPECT_EQ(m_library, m_read);
    EXPECT_EQ(LibraryStatus::Good, Check(WithProgramInFront()));
    EXPECT_EQ(m_library, m_read);
}

TEST_F(LibraryCheck, MissingOrShortFileIsAnUnknownError) {
    EXPECT_EQ(LibraryStatus::UnknownError, CheckFile("Kestrova.exe"));
    std::vector<unsigned char> shorter(m_library.begin() + 1, m_library.end());
    EXPECT_EQ(LibraryStatus::UnknownError, Check(shorter));
}

TEST_F(LibraryCheck, ChangedOrAppendedBytesFailTheCrc) {
    std::vector<unsigned char> changed = WithProgramInFront();
    changed[changed.size() - 100] ^= 0x01;
    EXPECT_EQ(LibraryStatus::CrcError, Check(changed));

    std::vector<unsigned char> appended = WithProgramInFront();
    appended.push_back('\n');
    EXPECT_EQ(LibraryStatus::CrcError, Check(appended));
}

TEST_F(LibraryCheck, AFileHeldOpenElsewhereCannotBeRead) {
    WriteBytes(m_folder.File("Kestrova.exe"), m_library);
    CFile holder;
    ASSERT_TRUE(holder.Open(m_folder.File("Kestrova.exe"), CFile::modeRead));
    EXPECT_EQ(LibraryStatus::UnknownError, CheckFile("Kestrova.exe"));
}

TEST(PuzzleNumbers, AreReducedToTheirMagnitudeModuloTheNumberCount) {
    EXPECT_EQ(0, ReducePuzzleNumber(0));
    EXPECT_EQ(293023, ReducePuzzleNumber(293023));
    EXPECT_EQ(0, ReducePuzzleNumber(293024));
    EXPECT_EQ(6976, ReducePuzzleNumber(300000));
    EXPECT_EQ(5, ReducePuzzleNumber(-5));
    EXPECT_EQ(INT_MAX % 293024, ReducePuzzleNumber(INT_MAX));
    // The magnitude of INT_MIN does not fit: the result designates no puzzle.
    EXPECT_EQ(-203776, ReducePuzzleNumber(INT_MIN));
}

// Where orientation k puts library cell (c, r) on the board.
CellPos Oriented(int k, int c, int r) {
    switch (k) {
    case 0:
        return {c, r};
    case 1:
        return {8 - r, c};
    case 2:
        return {8 - c, 8 - r};
    case 3:
        return {r, 8 - c};
    case 4:
        return {c, 8 - r};
    case 5:
        return {r, c};
    case 6:
        return {8 - c, r};
    default:
        return {8 - r, 8 - c};
    }
}

class LibraryPuzzles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_library = new std::vector<unsigned char>(MadeUpLibrary()); }
    static void TearDownTestSuite() { delete s_library; }

    CBoard SetUp(int number) {
        CBoard board;
        board.Init();
        SetUpLibraryPuzzle(board, s_library->data(), number);
        return board;
    }

    static void ExpectLineInOrientation(const CBoard& board, int line, int k) {
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const CellPos at = Oriented(k, c, r);
                EXPECT_EQ(MadeUpDigit(line, c, r), board.Value(at.col, at.row))
                    << "line " << line << " orientation " << k << " cell " << c << "," << r;
            }
        }
    }

    static std::vector<unsigned char>* s_library;
};

std::vector<unsigned char>* LibraryPuzzles::s_library = nullptr;

TEST_F(LibraryPuzzles, EveryOrientationPlacesTheLineWhereTheTableSays) {
    for (int k = 0; k < 8; ++k) {
        const int line = 1000 + 37 * k;
        ExpectLineInOrientation(SetUp(k * kLibraryLineCount + line), line, k);
    }
}

TEST_F(LibraryPuzzles, NumbersAtTheEdgesOfTheOrientations) {
    ExpectLineInOrientation(SetUp(0), 0, 0);
    ExpectLineInOrientation(SetUp(36627), 36627, 0);
    // One number past the last line: the first line, turned a quarter clockwise.
    ExpectLineInOrientation(SetUp(36628), 0, 1);
    ExpectLineInOrientation(SetUp(293023), 36627, 7);
}

TEST_F(LibraryPuzzles, TheTopLeftGivenLandsAtTheCornerOfItsOrientation) {
    EXPECT_EQ(1, SetUp(1 * kLibraryLineCount).Value(8, 0));
    EXPECT_EQ(1, SetUp(4 * kLibraryLineCount).Value(0, 8));
    EXPECT_EQ(1, SetUp(5 * kLibraryLineCount).Value(0, 0));
}

TEST_F(LibraryPuzzles, AreSetUpWithCandidatesAndHashesOfThePlacedDigits) {
    const CBoard board = SetUp(4 * kLibraryLineCount + 12);
    CBoard placed;
    placed.Init();
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const CellPos at = Oriented(4, c, r);
            placed.Place(at.col, at.row, static_cast<unsigned char>(MadeUpDigit(12, c, r)));
        }
    }
    EXPECT_EQ(0, std::memcmp(placed.m_candidate, board.m_candidate, sizeof board.m_candidate));
    EXPECT_EQ(placed.IdentityCrc(), board.IdentityCrc());
    EXPECT_EQ(placed.m_fingerprint, board.m_fingerprint);
}

TEST_F(LibraryPuzzles, BytesOtherThanDigitsLeaveTheirCellsEmpty) {
    std::vector<unsigned char> library = *s_library;
    library[0] = ' ';
    library[1] = 'x';
    CBoard board;
    board.Init();
    SetUpLibraryPuzzle(board, library.data(), 0);
    EXPECT_EQ(0, board.Value(0, 0));
    EXPECT_EQ(0, board.Value(1, 0));
    EXPECT_EQ(3, board.Value(0, 2));
}

} // namespace

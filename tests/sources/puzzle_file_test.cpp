#include "sources/puzzle_file.h"

#include "framework/file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::vector<unsigned char> Values(unsigned char fill) {
    return std::vector<unsigned char>(kPuzzleFileLength, fill);
}

// The first 81 bytes of a longer file; past the end of a shorter one, empty cells; no file, no
// read.
TEST(PuzzleFileRead, TakesTheFirst81BytesAndEmptiesTheCellsPastTheEnd) {
    TempFolder folder;
    std::vector<unsigned char> bytes = Values(3);
    bytes.resize(100, 7);
    WriteBytes(folder.File("long.sud"), bytes);
    WriteBytes(folder.File("short.sud"), {5, 6, 7});
    PuzzleFileValues values;
    ASSERT_TRUE(ReadPuzzleFile(folder.File("long.sud"), values));
    EXPECT_EQ(Values(3), std::vector<unsigned char>(std::begin(values), std::end(values)));
    ASSERT_TRUE(ReadPuzzleFile(folder.File("short.sud"), values));
    bytes = {5, 6, 7};
    bytes.resize(kPuzzleFileLength, 0);
    EXPECT_EQ(bytes, std::vector<unsigned char>(std::begin(values), std::end(values)));
    EXPECT_FALSE(ReadPuzzleFile(folder.File("none.sud"), values));
}

// A save over no file, a shorter file and a longer one, each once as it goes and once with each
// step that puts bytes on the disk failing: a success leaves exactly the 81 values, a failure
// the folder as it was, and nothing else is ever left beside the file.
struct SaveCase {
    std::size_t oldLength; // 0: no file yet
    int failingStep;       // a CFile::Step, or -1 for none
};

class PuzzleFileSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(PuzzleFileSave, WritesExactlyTheValuesOrLeavesEverythingAsItWas) {
    const SaveCase& save = GetParam();
    TempFolder folder;
    const std::string path = folder.File("board.sud");
    const std::vector<unsigned char> old(save.oldLength, 4);
    if (!old.empty()) {
        WriteBytes(path, old);
    }
    PuzzleFileValues values;
    for (std::size_t i = 0; i < kPuzzleFileLength; ++i) {
        values[i] = static_cast<unsigned char>(i % 10);
    }
    if (save.failingStep >= 0) {
        CFile::FailNextForTest(static_cast<CFile::Step>(save.failingStep));
    }
    std::string whyNot;
    const bool saved = WritePuzzleFile(path, values, whyNot);

    EXPECT_EQ(save.failingStep < 0, saved);
    if (saved) {
        EXPECT_EQ(std::vector<unsigned char>(std::begin(values), std::end(values)),
                  ReadBytes(path));
    } else {
        EXPECT_EQ("the disk is full", whyNot);
        EXPECT_EQ(!old.empty(), FileExists(path));
        EXPECT_EQ(old, old.empty() ? old : ReadBytes(path));
    }
    EXPECT_EQ(saved || !old.empty() ? 1 : 0,
              std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()));
}

std::vector<SaveCase> SaveCases() {
    std::vector<SaveCase> cases;
    for (std::size_t oldLength : {0, 10, 200}) {
        for (int step : {-1, int{CFile::stepWrite}, int{CFile::stepFlush}, int{CFile::stepCut}}) {
            cases.push_back({oldLength, step});
        }
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<SaveCase>& info) {
    const char* const steps[] = {"Write", "Flush", "Cut"};
    return "Old" + std::to_string(info.param.oldLength) + "Failing" +
           (info.param.failingStep < 0 ? "Nothing" : steps[info.param.failingStep]);
}

INSTANTIATE_TEST_SUITE_P(OldFileAndFailingStep, PuzzleFileSave, ::testing::ValuesIn(SaveCases()),
                         CaseName);

TEST(PuzzleFileWrite, FailsIntoAMissingFolderWithoutLeavingAnything) {
    TempFolder folder;
    PuzzleFileValues values = {};
    std::string whyNot;
    EXPECT_FALSE(WritePuzzleFile(folder.File("missing/board.sud"), values, whyNot));
    EXPECT_EQ("there is no such file or folder", whyNot);
    EXPECT_FALSE(FileExists(folder.File("missing")));
}

CBoard BoardWithHashes(Crc32 identity, Crc32 fingerprint) {
    CBoard board;
    board.Init();
    board.m_imageCrc[0] = identity;
    board.m_fingerprint = fingerprint;
    return board;
}

// One pair while the board is its start, the start's pair first once it differs; each hash is
// eight characters, short ones padded with blanks.
TEST(ProposedFileName, IsTheHashPairOfTheBoardAfterThatOfADifferentStart) {
    const CBoard board = BoardWithHashes(0x1234ABCDu, 0xFEDCBA98u);
    EXPECT_EQ("1234ABCD-FEDCBA98.sud", ProposedFileName(board, board));
    const CBoard start = BoardWithHashes(0x11111111u, 0x22222222u);
    EXPECT_EQ("11111111-22222222 - 1234ABCD-FEDCBA98.sud", ProposedFileName(start, board));
    const CBoard small = BoardWithHashes(0xABCDu, 0x0u);
    EXPECT_EQ("    ABCD-       0.sud", ProposedFileName(small, small));
}

} // namespace

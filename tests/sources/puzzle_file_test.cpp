#include "sources/puzzle_file.h"

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

TEST(PuzzleFileWrite, ReplacesAnExistingFileWithExactly81Bytes) {
    TempFolder folder;
    const std::string path = folder.File("board.sud");
    WriteBytes(path, std::vector<unsigned char>(200, 1));
    PuzzleFileValues values;
    for (std::size_t i = 0; i < kPuzzleFileLength; ++i) {
        values[i] = static_cast<unsigned char>(i % 10);
    }
    ASSERT_TRUE(WritePuzzleFile(path, values));
    EXPECT_EQ(std::vector<unsigned char>(std::begin(values), std::end(values)), ReadBytes(path));
    // Nothing is left beside it.
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()),
                               std::filesystem::directory_iterator()));
}

TEST(PuzzleFileWrite, FailsIntoAMissingFolderWithoutLeavingAnything) {
    TempFolder folder;
    PuzzleFileValues values = {};
    EXPECT_FALSE(WritePuzzleFile(folder.File("missing/board.sud"), values));
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

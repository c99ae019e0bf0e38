#include "sources/puzzle_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

TEST(PuzzleFileWrite, AFailedWriteKeepsTheOldFileWholeAndLeavesNoNewOne) {
    TempFolder folder;
    const std::vector<unsigned char> old = std::vector<unsigned char>(kPuzzleFileLength, 4);
    WriteBytes(folder.File("board.sud"), old);
    // Writes past half a puzzle file fail, as they fail on a full disk.
    rlimit unlimited;
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit half = {kPuzzleFileLength / 2, unlimited.rlim_max};
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &half);
    PuzzleFileValues values = {};
    std::string whyNot;
    const bool replaced = WritePuzzleFile(folder.File("board.sud"), values, whyNot);
    const bool created = WritePuzzleFile(folder.File("new.sud"), values, whyNot);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_EQ("the disk is full", whyNot);
    EXPECT_EQ(old, ReadBytes(folder.File("board.sud")));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()),
                               std::filesystem::directory_iterator()));
}

} // namespace

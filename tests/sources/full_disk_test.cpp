#include "sources/puzzle_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

TEST(PuzzleFileWrite, AFailedOrRefusedWriteKeepsTheOldFileWholeAndLeavesNoNewOne) {
    TempFolder folder;
    const std::vector<unsigned char> old = std::vector<unsigned char>(kPuzzleFileLength, 4);
    WriteBytes(folder.File("board.sud"), old);
    WriteBytes(folder.File("read-only.sud"), old);
    ::chmod(folder.File("read-only.sud").c_str(), 0444); // refused before anything is written
    // Writes past half a puzzle file fail, as they fail on a full disk.
    rlimit unlimited;
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit half = {kPuzzleFileLength / 2, unlimited.rlim_max};
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &half);
    PuzzleFileValues values = {};
    const bool replaced = WritePuzzleFile(folder.File("board.sud"), values);
    const bool created = WritePuzzleFile(folder.File("new.sud"), values);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousSignal);
    const bool readOnlyReplaced = WritePuzzleFile(folder.File("read-only.sud"), values);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created || readOnlyReplaced);
    EXPECT_EQ(old, ReadBytes(folder.File("board.sud")));
    EXPECT_EQ(old, ReadBytes(folder.File("read-only.sud")));
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.Path()),
                               std::filesystem::directory_iterator()));
}

} // namespace

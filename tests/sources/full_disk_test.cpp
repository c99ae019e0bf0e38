#include "sources/puzzle_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(PuzzleFileWrite, AFailedOrRefusedWriteKeepsTheOldFileWholeAndLeavesNoNewOne) {
    TempFolder folder;
    const std::vector<unsigned char> old = std::vector<unsigned char>(kPuzzleFileLength, 4);
    WriteBytes(folder.File("board.sud"), old);
    // A read-only file and one with a second name are refused before anything is written.
    WriteBytes(folder.File("read-only.sud"), old);
    ::chmod(folder.File("read-only.sud").c_str(), 0444);
    WriteBytes(folder.File("linked.sud"), old);
    ::link(folder.File("linked.sud").c_str(), folder.File("second-name.sud").c_str());
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
    const bool refusedReplaced = WritePuzzleFile(folder.File("read-only.sud"), values) ||
                                 WritePuzzleFile(folder.File("linked.sud"), values);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created || refusedReplaced);
    EXPECT_EQ(old, ReadBytes(folder.File("board.sud")));
    EXPECT_EQ(old, ReadBytes(folder.File("read-only.sud")));
    EXPECT_EQ(old, ReadBytes(folder.File("linked.sud")));
    EXPECT_EQ(4, std::distance(std::filesystem::directory_iterator(folder.Path()),
                               std::filesystem::directory_iterator()));
}

} // namespace

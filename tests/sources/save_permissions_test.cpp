// Saves by a user whom the file permissions bind, over files of that user and of another: each
// save runs in a child process that has become the unprivileged user "nobody".
#include "sources/puzzle_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kUser = 65534; // nobody
constexpr uid_t kOther = 0;

struct PermissionCase {
    const char* name;
    uid_t owner;
    mode_t mode;
    // The folder is sticky and writable by all, as /tmp is.
    bool stickyFolder;
    // Saved through a symbolic link, or with a second (hard) link to the file beside it.
    bool symbolicLink;
    bool hardLink;
    // Empty when the save succeeds.
    const char* whyNot;
};

const PermissionCase kCases[] = {
    {"OwnPrivate", kUser, 0600, false, false, false, ""},
    {"OwnGroupReadable", kUser, 0640, false, false, false, ""},
    {"OthersPrivate", kOther, 0600, false, false, false, "you may not write to this file"},
    {"OthersGroupReadable", kOther, 0640, false, false, false, "you may not write to this file"},
    {"OthersReadable", kOther, 0644, false, false, false, "you may not write to this file"},
    {"OthersWritableInStickyFolder", kOther, 0666, true, false, false, ""},
    {"ReadOnly", kUser, 0444, false, false, false, "the file is read-only"},
    {"SymbolicLink", kUser, 0640, false, true, false, ""},
    {"HardLink", kUser, 0644, false, false, true, ""},
};

class SavePermissions : public ::testing::TestWithParam<PermissionCase> {};

// In the child: becomes the user, saves, and tells the outcome by its exit status and why not
// on standard error.
[[noreturn]] void SaveAsUser(const std::string& path) {
    PuzzleFileValues values;
    std::fill(std::begin(values), std::end(values), 7);
    std::string whyNot;
    const bool saved =
        ::setgid(kUser) == 0 && ::setuid(kUser) == 0 && WritePuzzleFile(path, values, whyNot);
    std::fprintf(stderr, "%s\n", whyNot.c_str());
    std::_Exit(saved ? 0 : 1);
}

struct stat StatusOf(const std::string& path) {
    struct stat status = {};
    ::stat(path.c_str(), &status);
    return status;
}

TEST_P(SavePermissions, ChangesOnlyWhatTheUserMayWriteAndKeepsTheFileItself) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files to another owner";
    }
    const PermissionCase& save = GetParam();
    TempFolder folder;
    ::chmod(folder.Path().c_str(), save.stickyFolder ? 01777 : 0755);
    const std::string file = folder.File("board.sud");
    const std::vector<unsigned char> old(kPuzzleFileLength, 4);
    WriteBytes(file, old);
    ASSERT_EQ(0, ::chown(file.c_str(), save.owner, save.owner));
    ASSERT_EQ(0, ::chmod(file.c_str(), save.mode));
    std::string path = file;
    if (save.symbolicLink || save.hardLink) {
        path = folder.File("link.sud");
        ASSERT_EQ(0, save.symbolicLink ? ::symlink(file.c_str(), path.c_str())
                                       : ::link(file.c_str(), path.c_str()));
    }
    const struct stat before = StatusOf(file);

    EXPECT_EXIT(SaveAsUser(path), ::testing::ExitedWithCode(*save.whyNot ? 1 : 0), save.whyNot);

    const struct stat after = StatusOf(file);
    EXPECT_EQ(*save.whyNot ? old : std::vector<unsigned char>(kPuzzleFileLength, 7),
              ReadBytes(path));
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mode, after.st_mode);
    EXPECT_EQ(before.st_uid, after.st_uid);
    EXPECT_EQ(before.st_nlink, after.st_nlink);
    EXPECT_EQ(save.symbolicLink, std::filesystem::is_symlink(path));
    EXPECT_EQ(path == file ? 1 : 2,
              std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()));
}

INSTANTIATE_TEST_SUITE_P(Files, SavePermissions, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PermissionCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

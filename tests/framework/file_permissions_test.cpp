#include "framework/file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(File, ReplaceKeepsThePermissionsOfTheReplacedFile) {
    TempFolder folder;
    const std::string path = folder.File("kept");
    WriteBytes(path, {9});
    ASSERT_EQ(0, ::chmod(path.c_str(), 0600));
    WriteBytes(folder.File("other"), {8});
    ASSERT_TRUE(CFile::Replace(folder.File("other"), path));
    struct stat replaced;
    ASSERT_EQ(0, ::stat(path.c_str(), &replaced));
    EXPECT_EQ(0600u, replaced.st_mode & 0777);
}

} // namespace

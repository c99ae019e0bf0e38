#include "framework/file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Not even a user whom the permissions do not bind (root) writes a file nobody may write.
TEST(File, AFileNobodyMayWriteIsRefusedAsReadOnly) {
    TempFolder folder;
    const std::string path = folder.File("kept");
    WriteBytes(path, {9});
    ASSERT_EQ(0, ::chmod(path.c_str(), 0444));
    CFile file;
    EXPECT_FALSE(file.Open(path, CFile::modeReadWrite));
    EXPECT_EQ("the file is read-only", file.ErrorText());
    EXPECT_TRUE(file.Open(path, CFile::modeRead));
}

} // namespace

#include "framework/file.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

TEST(File, AnOpenFileCannotBeOpenedAgain) {
    TempFolder folder;
    const std::string path = folder.File("held");
    WriteBytes(path, {1, 2, 3});
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::modeRead));
    CFile second;
    EXPECT_FALSE(second.Open(path, CFile::modeRead));
    EXPECT_FALSE(second.Open(path, CFile::modeReadWrite));
    EXPECT_EQ("another program is using this file", second.ErrorText());
    first.Close();
    EXPECT_EQ((std::vector<unsigned char>{1, 2, 3}), ReadBytes(path));
    EXPECT_TRUE(second.Open(path, CFile::modeRead));
}

TEST(File, SeeksFromTheEndOnlyWithinTheFile) {
    TempFolder folder;
    const std::string path = folder.File("tail");
    WriteBytes(path, {1, 2, 3, 4, 5});
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    EXPECT_FALSE(file.SeekFromEnd(6));
    ASSERT_TRUE(file.SeekFromEnd(2));
    unsigned char tail[4] = {};
    EXPECT_EQ(2, file.Read(tail, sizeof tail));
    EXPECT_EQ(4, tail[0]);
    EXPECT_EQ(5, tail[1]);
}

TEST(File, ReadWriteKeepsTheBytesUntilCutAndCreateNewRefusesWhatExists) {
    TempFolder folder;
    const std::string path = folder.File("old");
    WriteBytes(path, {9, 9, 9, 9});
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeReadWrite));
        const unsigned char bytes[] = {7};
        EXPECT_TRUE(file.Write(bytes, 1));
        EXPECT_TRUE(file.Flush());
        EXPECT_TRUE(file.Cut(2));
        CFile other;
        EXPECT_FALSE(other.Open(folder.File("new"), CFile::modeReadWrite));
        EXPECT_EQ(FileError::notFound, other.Error());
    }
    EXPECT_EQ((std::vector<unsigned char>{7, 9}), ReadBytes(path));
    CFile file;
    EXPECT_FALSE(file.Open(path, CFile::modeCreateNew));
    EXPECT_EQ("something of that name is already there", file.ErrorText());
}

} // namespace

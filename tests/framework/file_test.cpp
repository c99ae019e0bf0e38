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
    EXPECT_FALSE(second.Open(path, CFile::modeCreate));
    // The refused create did not truncate the file.
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

TEST(File, CreateTruncatesCreateNewRefusesAndReplaceTakesTheOtherFilesBytes) {
    TempFolder folder;
    const std::string path = folder.File("new");
    WriteBytes(path, {9, 9, 9, 9});
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate));
        const unsigned char bytes[] = {7};
        EXPECT_TRUE(file.Write(bytes, 1));
        EXPECT_TRUE(file.Flush());
        EXPECT_FALSE(CFile().Open(path, CFile::modeCreateNew));
    }
    EXPECT_EQ((std::vector<unsigned char>{7}), ReadBytes(path));
    WriteBytes(folder.File("other"), {8});
    EXPECT_TRUE(CFile::Replace(folder.File("other"), path));
    EXPECT_EQ((std::vector<unsigned char>{8}), ReadBytes(path));
    EXPECT_FALSE(FileExists(folder.File("other")));
}

} // namespace

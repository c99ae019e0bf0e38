// Puzzle files saved and loaded through the platform's own file functions, as Kestrova.exe does.
// file_tests.sh runs this without the privileges that would let it write read-only files and
// folders, so that they bind it as they bind a user.
#include "sources/puzzle_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> Bytes(unsigned char fill) {
    return std::vector<unsigned char>(kPuzzleFileLength, fill);
}

std::vector<unsigned char> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool Save(const fs::path& path, unsigned char fill) {
    PuzzleFileValues values;
    std::fill(std::begin(values), std::end(values), fill);
    return WritePuzzleFile(path.u8string(), values);
}

std::vector<unsigned char> Load(const fs::path& path) {
    PuzzleFileValues values = {};
    if (!ReadPuzzleFile(path.u8string(), values)) {
        return {};
    }
    return std::vector<unsigned char>(std::begin(values), std::end(values));
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("kestrova-files-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(m_folder);
    }

    void TearDown() override {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_folder)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        SetFileAttributesW(m_folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(m_folder);
    }

    fs::path m_folder;
};

TEST_F(PlatformFiles, AReadOnlyFileIsNeitherReplacedNorChanged) {
    const fs::path target = m_folder / "kept.sud";
    WriteAll(target, Bytes(4));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(Save(target, 7));
    EXPECT_EQ(Bytes(4), ReadAll(target));
    EXPECT_EQ(FILE_ATTRIBUTE_READONLY,
              GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(1u, EntriesIn(m_folder));
}

TEST_F(PlatformFiles, AWritableFileInAReadOnlyFolderIsSaved) {
    // Made by file_tests.sh, with board.sud of 81 fours in it.
    const char* readOnly = std::getenv("KESTROVA_READ_ONLY_FOLDER");
    ASSERT_TRUE(readOnly) << "run by file_tests.sh";
    const fs::path folder = fs::u8path(readOnly);
    ASSERT_FALSE(std::ofstream(folder / "new.sud")) << "the folder takes new files";

    EXPECT_TRUE(Save(folder / "board.sud", 7));
    EXPECT_EQ(Bytes(7), ReadAll(folder / "board.sud"));
    EXPECT_FALSE(Save(folder / "other.sud", 7));
    EXPECT_EQ(1u, EntriesIn(folder));
}

TEST_F(PlatformFiles, LongPathsAreSavedAndLoaded) {
    // 250 characters, where a temporary name made longer than the target's passes MAX_PATH; then
    // a path past MAX_PATH itself, through a folder.
    const std::size_t folderLength = m_folder.native().size() + 1;
    const fs::path nearLimit = m_folder / (std::wstring(250 - folderLength - 4, L'n') + L".sud");
    const fs::path pastLimit =
        m_folder / std::wstring(200, L'f') / (std::wstring(96, L'b') + L".sud");
    fs::create_directory(pastLimit.parent_path());
    for (const fs::path& path : {nearLimit, pastLimit}) {
        EXPECT_TRUE(Save(path, 3)) << path.native().size();
        EXPECT_EQ(Bytes(3), Load(path)) << path.native().size();
    }
    EXPECT_EQ(250u, nearLimit.native().size());
    EXPECT_EQ(2u, EntriesIn(m_folder));
}

TEST_F(PlatformFiles, NamesOutsideTheCodePageAreSavedAndLoaded) {
    const fs::path folder = m_folder / L"\u65E5\u672C";
    fs::create_directory(folder);
    const fs::path file = folder / L"\u65E5\u672C.sud";
    EXPECT_TRUE(Save(file, 5));
    EXPECT_EQ(Bytes(5), ReadAll(file));
    WriteAll(file, Bytes(6));
    EXPECT_EQ(Bytes(6), Load(file));
}

TEST_F(PlatformFiles, AReplacedFileKeepsItsAttributes) {
    const fs::path hidden = m_folder / "hidden.sud";
    WriteAll(hidden, Bytes(4));
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN)) {
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    }
    EXPECT_TRUE(Save(hidden, 7));
    EXPECT_EQ(Bytes(7), ReadAll(hidden));
    EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(PlatformFiles, AFileWithASecondNameIsNotReplaced) {
    // Replacing it would part the two names.
    const fs::path linked = m_folder / "linked.sud";
    WriteAll(linked, Bytes(4));
    ASSERT_TRUE(CreateHardLinkW((m_folder / "second.sud").c_str(), linked.c_str(), nullptr));
    EXPECT_FALSE(Save(linked, 7));
    EXPECT_EQ(Bytes(4), ReadAll(linked));
    EXPECT_EQ(Bytes(4), ReadAll(m_folder / "second.sud"));
}

} // namespace

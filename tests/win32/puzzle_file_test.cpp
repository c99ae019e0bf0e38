// Puzzle files saved and loaded through the platform's own file functions, as Kestrova.exe does.
// file_tests.sh runs this as an ordinary user, among files of that user and of another owner,
// and checks afterwards that every file is still itself.
#include "sources/puzzle_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Fill(unsigned char value) {
    return Bytes(kPuzzleFileLength, value);
}

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Empty when saved, else why not.
std::string SaveWhyNot(const fs::path& path, unsigned char value) {
    PuzzleFileValues values;
    std::fill(std::begin(values), std::end(values), value);
    std::string whyNot;
    return WritePuzzleFile(path.u8string(), values, whyNot) ? std::string() : whyNot;
}

bool Save(const fs::path& path, unsigned char value) {
    return SaveWhyNot(path, value).empty();
}

Bytes Load(const fs::path& path) {
    PuzzleFileValues values = {};
    return ReadPuzzleFile(path.u8string(), values) ? Bytes(std::begin(values), std::end(values))
                                                   : Bytes();
}

std::ptrdiff_t EntriesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("kestrova-files-" + std::to_string(GetCurrentProcessId()));
};

TEST_F(PlatformFiles, AReadOnlyFileIsRefusedAndALinkedOneWrittenUnderBothNames) {
    const fs::path readOnly = m_folder / "read-only.sud";
    const fs::path linked = m_folder / "linked.sud";
    WriteAll(readOnly, Fill(4));
    WriteAll(linked, Fill(4));
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateHardLinkW((m_folder / "second.sud").c_str(), linked.c_str(), nullptr));
    EXPECT_EQ("the file is read-only", SaveWhyNot(readOnly, 7));
    EXPECT_EQ(Fill(4), ReadAll(readOnly));
    EXPECT_TRUE(GetFileAttributesW(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Save(linked, 7));
    EXPECT_EQ(Fill(7), ReadAll(m_folder / "second.sud"));
    EXPECT_EQ(3, EntriesIn(m_folder));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The files file_tests.sh made, each 81 fours, in a folder of the other owner, with what saving
// over them as the user gives.
TEST(SaveCases, OnlyWhatTheUserMayWriteIsWritten) {
    const char* folder = std::getenv("KESTROVA_SAVE_CASES");
    if (!folder) {
        GTEST_SKIP() << "file_tests.sh makes these files when it runs as root";
    }
    const struct {
        const char* name;
        const char* whyNot; // empty when saved
    } cases[] = {
        {"own-600.sud", ""},
        {"own-640.sud", ""},
        {"others-600.sud", "you may not write to this file"},
        {"others-640.sud", "you may not write to this file"},
        {"others-644.sud", "you may not write to this file"},
        {"sticky/others-666.sud", ""},
        {"read-only.sud", "the file is read-only"},
        {"symbolic-link.sud", ""},
        {"hard-link.sud", ""},
        {"new.sud", "you may not make a new file in this folder"},
    };
    for (const auto& save : cases) {
        const fs::path path = fs::u8path(folder) / fs::u8path(save.name);
        EXPECT_EQ(save.whyNot, SaveWhyNot(path, 7)) << save.name;
        if (*save.whyNot == '\0') {
            EXPECT_EQ(Fill(7), ReadAll(path)) << save.name;
        }
    }
    EXPECT_EQ(Fill(7), ReadAll(fs::u8path(folder) / "link-target.sud"));
    EXPECT_EQ(Fill(7), ReadAll(fs::u8path(folder) / "hard-link-second.sud"));
}

TEST_F(PlatformFiles, AWritableFileInAReadOnlyFolderIsSaved) {
    // Made by file_tests.sh, with board.sud of 81 fours in it.
    const char* folder = std::getenv("KESTROVA_READ_ONLY_FOLDER");
    ASSERT_TRUE(folder) << "run by file_tests.sh";
    ASSERT_FALSE(std::ofstream(fs::u8path(folder) / "new.sud")) << "the folder takes new files";
    EXPECT_TRUE(Save(fs::u8path(folder) / "board.sud", 7));
    EXPECT_EQ(Fill(7), ReadAll(fs::u8path(folder) / "board.sud"));
    EXPECT_EQ(1, EntriesIn(fs::u8path(folder)));
}

TEST_F(PlatformFiles, APathOf250CharactersIsSavedAndLoaded) {
    const std::size_t nameLength = 250 - m_folder.native().size() - 1;
    const fs::path path = m_folder / (std::wstring(nameLength - 4, L'n') + L".sud");
    ASSERT_EQ(250u, path.native().size());
    EXPECT_TRUE(Save(path, 3));
    EXPECT_EQ(Fill(3), Load(path));
    EXPECT_EQ(1, EntriesIn(m_folder));
}

TEST_F(PlatformFiles, NamesOutsideTheCodePageAreSavedAndLoaded) {
    const fs::path folder = m_folder / L"\u65E5\u672C";
    fs::create_directory(folder);
    EXPECT_TRUE(Save(folder / L"\u65E5\u672C.sud", 5));
    EXPECT_EQ(Fill(5), ReadAll(folder / L"\u65E5\u672C.sud"));
    WriteAll(folder / L"\u65E5\u672C.sud", Fill(6));
    EXPECT_EQ(Fill(6), Load(folder / L"\u65E5\u672C.sud"));
}

TEST_F(PlatformFiles, ASavedFileKeepsItsAttributes) {
    const fs::path hidden = m_folder / "hidden.sud";
    WriteAll(hidden, Fill(4));
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN)) {
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    }
    EXPECT_TRUE(Save(hidden, 7));
    EXPECT_EQ(Fill(7), ReadAll(hidden));
    EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

} // namespace

#include "window_fixture.h"

#include "test_files.h"

#include "framework/app.h"
#include "framework/file.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

class PuzzleFiles : public WindowTest {
protected:
    void Save(const std::string& path) {
        headless::ScriptFileDialog({true, path});
        Press("Save");
    }

    void Load(const std::string& path) {
        headless::ScriptFileDialog({true, path});
        Press("Load");
    }

    void LoadBytes(const std::vector<unsigned char>& bytes) {
        WriteBytes(m_folder.File("in.sud"), bytes);
        Load(m_folder.File("in.sud"));
    }

    std::string ProposedName() const { return headless::FileDialogs().back().fileName; }

    TempFolder m_folder;
};

TEST_F(PuzzleFiles, SavedBoardLoadsBackWithTheSameHashes) {
    ShowPuzzle(36628 * 3 + 21);
    Enter(4, 0, 5);
    const CBoard saved = Window().m_board;
    Save(m_folder.File("board.sud"));
    EXPECT_EQ(std::vector<unsigned char>(std::begin(saved.m_value), std::end(saved.m_value)),
              ReadBytes(m_folder.File("board.sud")));

    Window().ClearPuzzle();
    Load(m_folder.File("board.sud"));
    EXPECT_TRUE(std::equal(std::begin(saved.m_value), std::end(saved.m_value),
                           std::begin(Window().m_board.m_value)));
    EXPECT_EQ(saved.IdentityCrc(), Window().m_board.IdentityCrc());
    EXPECT_EQ(saved.m_fingerprint, Window().m_board.m_fingerprint);
    // Every loaded digit is a given, but the start is not yet fixed for a search.
    EXPECT_TRUE(SameRecord(Window().m_board, Window().m_start));
    EXPECT_FALSE(Window().m_startSaved);
    EXPECT_EQ(36628 * 3 + 21, Window().m_puzzleNumber);
}

TEST_F(PuzzleFiles, DialogsUseTheFilterExtensionAndFolder) {
    ShowPuzzle(0);
    Save(m_folder.File("a.sud"));
    Load(m_folder.File("a.sud"));
    ASSERT_EQ(2u, headless::FileDialogs().size());
    for (const headless::FileDialogRecord& dialog : headless::FileDialogs()) {
        EXPECT_EQ("SuDoKu Files (*.sud)|*.sud|All Files (*.*)|*.*||", dialog.filter);
        EXPECT_EQ("sud", dialog.defaultExtension);
        EXPECT_EQ(".\\Kestrova", dialog.initialDir);
        EXPECT_TRUE(dialog.flags & OFN_HIDEREADONLY);
        EXPECT_FALSE(dialog.flags & OFN_OVERWRITEPROMPT);
        EXPECT_TRUE(dialog.owned);
    }
    EXPECT_FALSE(headless::FileDialogs()[0].flags & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(headless::FileDialogs()[1].flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ("*.sud", headless::FileDialogs()[1].fileName);
}

TEST_F(PuzzleFiles, ProposedNameHasOnePairUntilTheBoardLeavesItsStart) {
    ShowPuzzle(0);
    Press("Save");
    EXPECT_EQ(HashPair(Window().m_board) + ".sud", ProposedName());
    const CBoard start = Window().m_board;
    Enter(4, 0, 5);
    Press("Save");
    EXPECT_EQ(ProposedFileName(start, Window().m_board), ProposedName());
    EXPECT_NE(start.IdentityCrc(), Window().m_board.IdentityCrc());
}

TEST_F(PuzzleFiles, AfterClearTheStartPairIsThatOfTheEarlierPuzzle) {
    ShowPuzzle(0);
    const CBoard earlierStart = Window().m_start;
    Press("Clear");
    Enter(0, 0, 4);
    Press("Save");
    EXPECT_EQ(ProposedFileName(earlierStart, Window().m_board), ProposedName());
}

TEST_F(PuzzleFiles, ACancelledSaveWritesNothingAndStopsFurtherOffers) {
    ShowPuzzle(0);
    headless::ScriptFileDialog({false, m_folder.File("no.sud")});
    Press("Save");
    EXPECT_FALSE(Window().m_offerSave);
    EXPECT_FALSE(FileExists(m_folder.File("no.sud")));
    // The search's offers are then silent.
    Window().SavePuzzleFile();
    EXPECT_EQ(1u, headless::FileDialogs().size());
}

TEST_F(PuzzleFiles, EveryOfferBringsTheWindowToTheFrontFirst) {
    Window().m_offerSave = false;
    Window().SavePuzzleFile();
    EXPECT_EQ((std::vector<std::string>{"ShowWindow 1", "SetActiveWindow",
                                        "SetWindowPos self 0 0 0 0 0x243", "FlashUntilInFront"}),
              headless::PlacementCalls(Window()));
    EXPECT_TRUE(headless::FileDialogs().empty());
}

TEST_F(PuzzleFiles, EachFailedSaveOfASearchIsToldAndTheSearchGoesOn) {
    ShowPuzzle(0);
    const std::string readOnly = m_folder.File("read-only.sud");
    WriteBytes(readOnly, {4});
    ::chmod(readOnly.c_str(), 0444);
    headless::ScriptFileDialog({true, readOnly});
    headless::ScriptFileDialog({true, m_folder.File("new.sud")});
    // The first save is refused before it writes, so the second one meets the failing write.
    CFile::FailNextForTest(CFile::stepWrite);
    Press("PROVE");

    EXPECT_EQ(2, Window().m_solutions.GetSize());
    EXPECT_EQ(2u, headless::FileDialogs().size());
    ASSERT_EQ(3u, headless::MessageBoxes().size());
    EXPECT_EQ(AfxGetAppName() + " could not save " + readOnly + ": the file is read-only.",
              headless::MessageBoxes()[1].text);
    EXPECT_EQ(AfxGetAppName() + " could not save " + m_folder.File("new.sud") +
                  ": the disk is full.",
              headless::MessageBoxes()[2].text);
    for (const headless::MessageBoxRecord& box : headless::MessageBoxes()) {
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.type);
        EXPECT_EQ(AfxGetAppName(), box.caption);
    }
    EXPECT_EQ(std::vector<unsigned char>{4}, ReadBytes(readOnly));
    EXPECT_FALSE(FileExists(m_folder.File("new.sud")));
}

TEST_F(PuzzleFiles, ACancelledLoadLeavesAnEmptyBoardAndTheNumber) {
    ShowPuzzle(10);
    headless::ScriptFileDialog({false, ""});
    Press("Load");
    EXPECT_TRUE(std::all_of(std::begin(Window().m_board.m_value),
                            std::end(Window().m_board.m_value),
                            [](unsigned char v) { return v == 0; }));
    EXPECT_EQ(10, Window().m_puzzleNumber);
    EXPECT_FALSE(Window().m_startSaved);
}

TEST_F(PuzzleFiles, BytesOutsideOneToNineAndRepeatedDigitsStayEmpty) {
    std::vector<unsigned char> bytes(81, 0);
    bytes[ValueIndex(0, 0)] = 4;
    bytes[ValueIndex(3, 0)] = 4; // the same digit later in row 0
    bytes[ValueIndex(1, 1)] = 12;
    bytes[ValueIndex(2, 2)] = 6;
    LoadBytes(bytes);
    EXPECT_EQ(4, Window().m_board.Value(0, 0));
    EXPECT_EQ(0, Window().m_board.Value(3, 0));
    EXPECT_EQ(0, Window().m_board.Value(1, 1));
    EXPECT_EQ(6, Window().m_board.Value(2, 2));
}

} // namespace

#include "window_fixture.h"

#include "test_files.h"

#include <algorithm>

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
    const CBoard& board = Window().m_board;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%8X-%8X.sud", board.IdentityCrc(),
                  board.m_fingerprint);
    EXPECT_EQ(expected, ProposedName());
    EXPECT_EQ(21u, ProposedName().size());

    const CBoard start = Window().m_board;
    Enter(4, 0, 5);
    Press("Save");
    std::snprintf(expected, sizeof expected, "%8X-%8X - %8X-%8X.sud", start.IdentityCrc(),
                  start.m_fingerprint, board.IdentityCrc(), board.m_fingerprint);
    EXPECT_EQ(expected, ProposedName());
    EXPECT_EQ(41u, ProposedName().size());
}

TEST_F(PuzzleFiles, AfterClearTheStartPairIsThatOfTheEarlierPuzzle) {
    ShowPuzzle(0);
    const Crc32 earlierCrc = Window().m_start.IdentityCrc();
    Press("Clear");
    Enter(0, 0, 4);
    Press("Save");
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%8X-", earlierCrc);
    EXPECT_EQ(0u, ProposedName().find(prefix));
    EXPECT_EQ(41u, ProposedName().size());
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

#include "window_fixture.h"

#include "resources/resource.h"
#include "test_files.h"
#include "ui/app.h"

#include <algorithm>

namespace {

const char* const kAboutEntry = "&About corvanta...";

// Runs the window's initialisation and returns the exit status it ended the process with, or
// -1 when it returned.
int InitialiseDialog(CSuDoKuDlg& window) {
    try {
        headless::SendMessage(window, WM_INITDIALOG);
    } catch (const headless::ProcessExit& exit) {
        return exit.status;
    }
    return -1;
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::SetResourceString(IDS_ABOUTBOX, kAboutEntry);
    }

    TempFolder m_folder;
};

// With a program file of the real kind in the folder: some program bytes, then the packaged
// library, when this tree has one.
class StartupWithProgramFile : public Startup {
protected:
    void SetUp() override {
        Startup::SetUp();
        if (!FileExists(KESTROVA_LIBRARY_TEXT)) {
            GTEST_SKIP() << "no packaged library in this tree";
        }
        std::vector<unsigned char> file = {'M', 'Z', 0x90, 0};
        const std::vector<unsigned char> library = ReadBytes(KESTROVA_LIBRARY_TEXT);
        file.insert(file.end(), library.begin(), library.end());
        WriteBytes(m_folder.File("Kestrova.exe"), file);
    }
};

TEST_F(Startup, WithoutTheProgramFileTheWindowEndsTheProcessAfterItsMessage) {
    CurrentFolder inFolder(m_folder.Path());
    CSuDoKuDlg window;
    headless::AttachedWindow attached(window);
    EXPECT_EQ(0, InitialiseDialog(window));
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("Please download Kestrova.exe again. Unknown Error.",
              headless::MessageBoxes()[0].text);
    EXPECT_EQ(0, headless::PaintCount());

    // Menu and icons were set up before the check.
    const auto& menu = headless::SystemMenu(window);
    ASSERT_GE(menu.size(), 2u);
    EXPECT_EQ(MF_SEPARATOR, menu[menu.size() - 2].flags);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), menu.back().id);
    EXPECT_EQ(kAboutEntry, menu.back().text);
    EXPECT_TRUE(std::none_of(menu.begin(), menu.end(), [](const headless::MenuItem& item) {
        return item.id == SC_MAXIMIZE;
    }));
    EXPECT_EQ(window.m_hIcon, headless::WindowIcon(window, true));
    EXPECT_EQ(window.m_hIcon, headless::WindowIcon(window, false));
}

TEST_F(StartupWithProgramFile, ADamagedLibraryIsAnnouncedAsAProgramMessageAndEndsWithStatusZero) {
    std::vector<unsigned char> file = ReadBytes(m_folder.File("Kestrova.exe"));
    file[file.size() - 100] ^= 0x01;
    WriteBytes(m_folder.File("Kestrova.exe"), file);
    CurrentFolder inFolder(m_folder.Path());
    CSuDoKuDlg window;
    headless::AttachedWindow attached(window);
    EXPECT_EQ(0, InitialiseDialog(window));
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("Please download Kestrova.exe again. CRC32 Error.", headless::MessageBoxes()[0].text);
    EXPECT_EQ(AfxGetAppName(), headless::MessageBoxes()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), headless::MessageBoxes()[0].type);
}

TEST_F(Startup, WithoutTheMenuTextOnlyMaximizeGoes) {
    headless::SetResourceString(IDS_ABOUTBOX, "");
    CurrentFolder inFolder(m_folder.Path());
    CSuDoKuDlg window;
    headless::AttachedWindow attached(window);
    InitialiseDialog(window);
    const auto& menu = headless::SystemMenu(window);
    EXPECT_EQ(6u, menu.size());
    EXPECT_EQ(static_cast<UINT>(SC_CLOSE), menu.back().id);
}

TEST_F(StartupWithProgramFile, WithTheProgramFileTheStartPuzzleIsShown) {
    CurrentFolder inFolder(m_folder.Path());
    CSuDoKuDlg window;
    window.m_puzzleNumber = 293024 + 3;
    headless::AttachedWindow attached(window);
    EXPECT_EQ(-1, InitialiseDialog(window));
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(3, window.m_puzzleNumber);
    EXPECT_TRUE(window.m_startSaved);
    EXPECT_TRUE(SameRecord(window.m_board, window.m_start));
    int givens = 0;
    for (unsigned char v : window.m_board.m_value) {
        givens += v != 0;
    }
    EXPECT_EQ(17, givens);
}

TEST_F(StartupWithProgramFile, TheApplicationRunsTheWindowUntilEscapeAndEnterDoesNotEndIt) {
    CurrentFolder inFolder(m_folder.Path());
    CcorvantaApp app;
    bool ranAfterEnter = false;
    bool ranAfterEscape = false;
    headless::PostCallback([&] {
        ASSERT_NE(nullptr, app.m_pMainWnd);
        CWnd& window = *app.m_pMainWnd;
        headless::PostMessage(window, WM_COMMAND, IDOK);
        headless::PostCallback([&ranAfterEnter] { ranAfterEnter = true; });
        headless::PostMessage(window, WM_COMMAND, IDCANCEL);
        headless::PostCallback([&ranAfterEscape] { ranAfterEscape = true; });
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(ranAfterEnter);
    EXPECT_FALSE(ranAfterEscape);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    ASSERT_EQ(1u, headless::Dialogs().size());
    EXPECT_EQ(static_cast<UINT>(IDD_SUDOKU_DIALOG), headless::Dialogs()[0].templateId);
    EXPECT_EQ(IDCANCEL, headless::Dialogs()[0].result);
}

using RunningWindow = WindowTest;

TEST_F(RunningWindow, TheCloseRequestEndsTheProcessWithStatusZero) {
    try {
        headless::SendMessage(Window(), WM_CLOSE);
        ADD_FAILURE() << "the process went on";
    } catch (const headless::ProcessExit& exit) {
        EXPECT_EQ(0, exit.status);
    }
    // The system menu's Close arrives as the same request.
    EXPECT_THROW(headless::SendMessage(Window(), WM_SYSCOMMAND, SC_CLOSE), headless::ProcessExit);
}

TEST_F(RunningWindow, OtherSystemCommandsGoToTheDefaultProcessing) {
    headless::SendMessage(Window(), WM_SYSCOMMAND, SC_MOVE);
    EXPECT_EQ(std::vector<UINT>{WM_SYSCOMMAND}, headless::DefaultedMessages());
    EXPECT_TRUE(headless::Dialogs().empty());
}

TEST_F(RunningWindow, AnswersTheDragIconQueryWithItsIcon) {
    EXPECT_EQ(reinterpret_cast<LRESULT>(Window().m_hIcon),
              headless::SendMessage(Window(), WM_QUERYDRAGICON));
}

} // namespace

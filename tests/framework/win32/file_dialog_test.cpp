// The platform's own file dialogs, answered from inside the dialog's message loop as a user
// would answer them: a name typed into the name field, then OK or Cancel.
#include "framework/file_dialog.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

namespace {

// The name field of the dialog: a combo box with an edit, or the plain edit of older layouts.
constexpr int kNameComboId = 0x47c;
constexpr int kNameEditId = 0x480;

// What the timer types into the dialog and which button it presses.
std::wstring g_typedName;
WPARAM g_button = IDOK;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
        return;
    }
    KillTimer(nullptr, timer);
    HWND name = GetDlgItem(dialog, kNameComboId);
    SetWindowTextW(name ? name : GetDlgItem(dialog, kNameEditId), g_typedName.c_str());
    PostMessageW(dialog, WM_COMMAND, g_button, 0);
}

int Answer(CFileDialog& dialog, const std::wstring& typed, WPARAM button) {
    g_typedName = typed;
    g_button = button;
    SetTimer(nullptr, 0, 50, AnswerDialog);
    return dialog.DoModal();
}

std::string Utf8(const std::filesystem::path& path) {
    return path.u8string();
}

const char* const kFilter = "SuDoKu Files (*.sud)|*.sud|All Files (*.*)|*.*||";

TEST(FileDialog, SaveAddsTheExtensionInTheInitialFolderAndKeepsAnyCharacters) {
    TempFolder temporary;
    const std::filesystem::path folder = std::filesystem::path(temporary.Path()) / L"日本";
    std::filesystem::create_directory(folder);
    CFileDialog dialog(FALSE, "sud", "proposed.sud", OFN_HIDEREADONLY, kFilter, nullptr);
    dialog.m_initialDir = Utf8(folder);
    ASSERT_EQ(IDOK, Answer(dialog, L"盤面", IDOK));
    EXPECT_EQ(std::filesystem::path(folder / L"盤面.sud"),
              std::filesystem::u8path(dialog.GetPathName()));
}

TEST(FileDialog, OpenTakesAnExistingFileAndCancelTakesNothing) {
    TempFolder folder;
    WriteBytes(folder.File("board.sud"), {1});
    CFileDialog open(TRUE, "sud", "*.sud", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kFilter, nullptr);
    open.m_initialDir = folder.Path();
    ASSERT_EQ(IDOK, Answer(open, L"board.sud", IDOK));
    EXPECT_TRUE(std::filesystem::equivalent(folder.File("board.sud"),
                                            std::filesystem::u8path(open.GetPathName())));

    CFileDialog cancelled(TRUE, "sud", "*.sud", OFN_FILEMUSTEXIST, kFilter, nullptr);
    cancelled.m_initialDir = folder.Path();
    EXPECT_EQ(IDCANCEL, Answer(cancelled, L"board.sud", IDCANCEL));
    EXPECT_TRUE(cancelled.GetPathName().empty());
}

} // namespace

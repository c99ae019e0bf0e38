#pragma once

#include "engine/search.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_drain.h"
#include "sources/puzzle_file.h"

#include <memory>
#include <string>

struct TextButton;

// The player window: a dialog without controls that paints the board and its text buttons and
// owns all state of the running program. The boards, the search's lists and the search itself
// come from CPuzzleSearch; the window supplies the search's message drain, repaint and save offer.
class CSuDoKuDlg : public CDialog, public CPuzzleSearch {
public:
    explicit CSuDoKuDlg(CWnd* parent = nullptr);
    ~CSuDoKuDlg() override;

    // Empties the three boards and both lists and drops the selection; the boards' hashes stay.
    void ClearPuzzle();
    // Reads and checks the library at the end of the program's file; ends the process if it
    // is damaged, so it returns only true.
    bool ReadPuzzleLibrary();
    // Sets up library puzzle m_puzzleNumber, reduced into range first.
    void ShowLibraryPuzzle();
    void LoadPuzzleFile();
    void SavePuzzleFile() override;

    // The commands of the painted text buttons that are not operations of their own above.
    void SaveCommand();
    void AskPuzzleNumber();
    void ToggleClues();
    void Solve();
    void Prove();

    HICON m_hIcon;
    bool m_showClues = false;
    bool m_offerSave = true;
    int m_puzzleNumber;
    PuzzleFileValues m_fileBuffer = {};
    int m_selCol = -1;
    int m_selRow = -1;
    std::unique_ptr<unsigned char[]> m_library;
    CFont m_fontSmall;
    CFont m_fontLarge;
    bool m_searching = false;
    CMessageDrain m_messageDrain;

protected:
    // The message handlers, by the file that holds them.
    // ui/startup.cpp
    BOOL OnInitDialog() override;
    // ui/system_menu.cpp
    void OnSysCommand(UINT id, LPARAM lParam) override;
    // ui/painting.cpp
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    HCURSOR OnQueryDragIcon() override;
    // ui/input.cpp
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    BOOL OnSetCursor(int hitTest, UINT mouseMessage) override;
    // ui/closing.cpp
    void OnOK() override;
    void OnClose() override;
    // ui/sudoku_dlg.cpp
    void OnDpiChanged(UINT dpi, const CRect& suggested) override;

    // The search's hooks (ui/sudoku_dlg.cpp).
    bool DrainMessages() override;
    void InvalidateAndUpdate() override;

private:
    void AddPuzzleNumberEntry();
    // Sizes the client area and creates the fonts for the window's DPI.
    void FitToDpi();
    void CreateFonts(UINT dpi);
    void DrawGrid(CDC& dc, UINT dpi);
    void DrawTexts(CDC& dc, UINT dpi);
    void DrawCell(CDC& dc, int c, int r, UINT dpi);
    std::string LabelOf(const TextButton& button) const;
    void PressTextButtons(CPoint point, UINT dpi);
    void RunSearchWithWaitCursor();
    void BringToFront();
};

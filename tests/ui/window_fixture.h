#pragma once

#include "framework/headless/headless.h"
#include "ui/layout.h"
#include "ui/sudoku_dlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A player window on the headless backend with the made-up library loaded, as OnInitDialog
// leaves it once the library check has passed.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    CSuDoKuDlg& Window() { return *m_window; }

    void ShowPuzzle(int number);
    void Click(int x, int y);
    // The middle of cell (c, r) at the window's DPI.
    CPoint MiddleOfCell(int c, int r) const;
    // Clicks the middle of cell (c, r), with the left or the right button.
    void ClickCell(int c, int r);
    void RightClickCell(int c, int r);
    // Clicks the middle of the text button of that name (ui/layout.h) at the window's DPI.
    void Press(const char* button);
    void Key(UINT key);
    // Selects cell (c, r) by a click in its middle and types a digit.
    void Enter(int c, int r, int digit);

    // The texts of the last paint.
    std::vector<headless::DrawOp> Texts() const;
    // The text drawn last at (x, y) in the last paint, or nullptr.
    const headless::DrawOp* TextAt(int x, int y) const;

private:
    std::unique_ptr<CSuDoKuDlg> m_window;
    std::unique_ptr<headless::AttachedWindow> m_attached;
};

// The text button of that name in the window's layout.
const TextButton& Button(const char* name);

// A solved grid: the digit of (c, r).
int SolvedDigit(int c, int r);

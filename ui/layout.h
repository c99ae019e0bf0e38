#pragma once

#include "sudoku_dlg.h"

#include <cstring>

// Where the window draws what it shows and where a click lands, in client pixels. The painting
// and the hit test both read them from here.

// The board: cells step by 53 pixels from the board's origin at (10, 10).
constexpr int kBoardOrigin = 10;
constexpr int kCellPitch = 53;

// The pixels that answer a click, inclusive at both ends.
struct ClickArea {
    int left;
    int top;
    int right;
    int bottom;

    bool Contains(CPoint point) const {
        return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
    }
    CPoint Middle() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
};

// What a text button's label shows.
enum class ButtonLabel {
    Name,         // the button's name
    CluesState,   // "CLUES ON" or "CLUES OFF"
    PuzzleNumber, // "17 - " and the puzzle number, or "User Entered"
    None,         // nothing of its own: the number inside the puzzle label
};

// A painted text button: its name, its label and the top-left corner where that is drawn, the
// area a click presses it in, and the command it runs.
struct TextButton {
    const char* name;
    ButtonLabel label;
    CPoint drawnAt;
    ClickArea clickedIn;
    void (CSuDoKuDlg::*command)();
};

// In the order the labels are drawn and the areas tested. The areas of the puzzle label's two
// parts share x = 430: a click there presses both, the reload first.
inline constexpr TextButton kTextButtons[] = {
    {"CLUES", ButtonLabel::CluesState, {10, 530}, {10, 530, 60, 545}, &CSuDoKuDlg::ToggleClues},
    {"Clear", ButtonLabel::Name, {200, 500}, {200, 500, 230, 515}, &CSuDoKuDlg::ClearPuzzle},
    {"Load", ButtonLabel::Name, {270, 500}, {270, 500, 300, 515}, &CSuDoKuDlg::LoadPuzzleFile},
    {"Save", ButtonLabel::Name, {340, 500}, {340, 500, 370, 515}, &CSuDoKuDlg::SaveCommand},
    {"puzzle label",
     ButtonLabel::PuzzleNumber,
     {410, 500},
     {410, 500, 430, 515},
     &CSuDoKuDlg::ShowLibraryPuzzle},
    {"puzzle number",
     ButtonLabel::None,
     {430, 500},
     {430, 500, 470, 515},
     &CSuDoKuDlg::AskPuzzleNumber},
    {"SOLVE", ButtonLabel::Name, {200, 530}, {200, 530, 260, 545}, &CSuDoKuDlg::Solve},
    {"PROVE", ButtonLabel::Name, {340, 530}, {340, 530, 400, 545}, &CSuDoKuDlg::Prove},
};

// The button of that name, or none: those who drive the window (its tests, the window bench)
// press buttons by name.
inline const TextButton* FindTextButton(const char* name) {
    for (const TextButton& button : kTextButtons) {
        if (std::strcmp(button.name, name) == 0) {
            return &button;
        }
    }
    return nullptr;
}

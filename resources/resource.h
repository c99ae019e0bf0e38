// Resource ids shared by Kestrova.rc and the window code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_SUDOKU_DIALOG 103
#define IDR_MAINFRAME 128
#define IDC_PUZZLE_NUMBER 1001
// The system-menu command of the puzzle-number box. System commands keep their low four bits
// clear, so the id is a multiple of 16.
#define IDM_ABOUTBOX 0x0010

#pragma once

// The board's place in the client area, shared by the painting and the hit test: cells step by
// 53 pixels from the board's origin at (10, 10).
constexpr int kBoardOrigin = 10;
constexpr int kCellPitch = 53;

#pragma once

// The state the headless backend keeps in place of a window system. Internal to the backend.

#include "headless.h"

#include <cstdint>
#include <deque>

class CDialog;

struct HWND__ {
    CDialog* owner = nullptr;
    bool invalid = false;
    bool ended = false;
    int result = 0;
    std::map<int, std::string> controls;
    int selectedAllControl = -1;
    HICON icons[2] = {nullptr, nullptr};
    std::vector<headless::MenuItem> systemMenu;
    std::vector<std::string> placementCalls;
    int clientWidth = headless::kClientWidth;
    int clientHeight = headless::kClientHeight;
    UINT dpi = kDefaultDpi;
};

// A drawing context: the selected objects and colours, and the current position.
struct HDC__ {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    COLORREF textColour = RGB(0, 0, 0);
    int x = 0;
    int y = 0;
};

struct HICON__ {
    UINT id;
};

namespace headless {

enum class GdiKind { Pen, Brush, Font };

struct GdiObject {
    GdiKind kind;
    PenState pen;
    COLORREF brushColour = RGB(255, 255, 255);
    FontState font;
};

// One entry of the message queue: a message for a window, a callback, or the quit message.
struct QueuedMessage {
    HWND window = nullptr;
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::function<void()> callback;
};

// The two cursors the program uses.
HCURSOR ArrowCursor();
HCURSOR WaitCursor();

struct State {
    std::vector<DrawOp> lastPaint;
    int paintCount = 0;
    std::vector<UINT> defaultedMessages;
    std::deque<DialogStep> dialogSteps;
    std::vector<DialogRecord> dialogs;
    std::deque<int> messageBoxAnswers;
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<FileDialogAnswer> fileDialogAnswers;
    std::vector<FileDialogRecord> fileDialogs;
    std::deque<QueuedMessage> queue;
    HCURSOR cursor = ArrowCursor();
    std::int64_t clockMicroseconds = 0;
    std::map<UINT, std::string> strings;
};

State& TheState();

// Delivers one message to a window the way the platform does: the handler, then the default
// processing of whatever the handler leaves to it.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the queue's first entry; false when the queue is empty.
bool DispatchNextQueued();

// Makes window a live window of dialog, with the platform's initial system menu.
void CreateWindowState(HWND__& window, CDialog& dialog);

} // namespace headless

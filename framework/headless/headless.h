#pragma once

// What the headless backend offers a test: the scripts that answer the program's dialogs and
// message boxes, the message queue it drains, and the records of what it drew and showed.
//
// A typical test of a window:
//     headless::Reset();
//     CSuDoKuDlg window;
//     headless::AttachedWindow attached(window);        // repaints now reach OnPaint
//     headless::ScriptFileDialog({true, "/tmp/x.sud"});  // the next file dialog answers OK
//     headless::PostCallback([&] { /* runs inside the next message drain */ });
//     headless::SendMessage(window, WM_LBUTTONDOWN, 0, MAKELPARAM(230, 537));
//     ... then read MessageBoxes(), FileDialogs(), LastPaint() ...
// AfxExitProcess throws headless::ProcessExit, which the test catches.

#include "framework/dialog.h"
#include "platform_types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace headless {

// Thrown by AfxExitProcess, so that a test can see the status a process end would have had.
struct ProcessExit {
    int status;
};

// Forgets every script, record, queued message and resource string; the cursor returns to the
// arrow. A test calls it first.
void Reset();

// --- Drawing ---------------------------------------------------------------------------------

struct PenState {
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = RGB(0, 0, 0);
};

struct FontState {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    BYTE italic = 0;
    BYTE underline = 0;
    BYTE strikeOut = 0;
    BYTE charSet = 0;
    BYTE outPrecision = 0;
    BYTE clipPrecision = 0;
    BYTE quality = 0;
    BYTE pitchAndFamily = 0;
    std::string face = "System";
};

enum class DrawKind { Rectangle, MoveTo, LineTo, Text };

// One drawing operation with the state of the drawing context it was made in. Lines run from
// (x, y) to (x2, y2); rectangles span (x, y) to (x2, y2); text starts at (x, y).
struct DrawOp {
    DrawKind kind = DrawKind::Text;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;
    PenState pen;
    COLORREF brushColour = RGB(255, 255, 255);
    FontState font;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
};

// The operations of the most recent paint (CPaintDC) and the number of paints so far.
const std::vector<DrawOp>& LastPaint();
int PaintCount();

// The client area a headless window starts with, as a dialog template in Tahoma 8 gives it at
// 96 DPI; SetClientSize changes it.
constexpr int kClientWidth = 501;
constexpr int kClientHeight = 554;

// --- Windows ---------------------------------------------------------------------------------

// Gives a dialog a window handle without running it, so that repaints reach its OnPaint and
// window operations are recorded. Detaches on destruction.
class AttachedWindow {
public:
    explicit AttachedWindow(CDialog& dialog);
    AttachedWindow(const AttachedWindow&) = delete;
    AttachedWindow& operator=(const AttachedWindow&) = delete;
    ~AttachedWindow();

private:
    CDialog& m_dialog;
};

// Delivers a message at once, as the platform would from SendMessage, including the default
// processing of what the handler leaves to it.
LRESULT SendMessage(CWnd& window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

struct MenuItem {
    UINT flags;
    UINT id;
    std::string text;
};

std::string ControlText(const CWnd& window, int controlId);
// The control last given the focus with all its text selected, or -1.
int SelectedAllControl(const CWnd& window);
// The system menu starts with Restore, Move, Size, Minimize, Maximize, a separator and Close.
const std::vector<MenuItem>& SystemMenu(const CWnd& window);
HICON WindowIcon(const CWnd& window, bool big);
// Moves the window to a screen of another DPI, as the platform does when the user drags it
// there or changes the scale: from now on the window reports that DPI, and it gets
// WM_DPICHANGED with the rectangle the platform suggests, its size scaled by the change. A
// window starts at 96 DPI.
void ChangeDpi(CWnd& window, UINT dpi);
// ShowWindow, SetActiveWindow, SetWindowPos and FlashUntilInFront calls, in order, as readable
// text.
const std::vector<std::string>& PlacementCalls(const CWnd& window);
// Messages that handlers left to the default processing, in order.
const std::vector<UINT>& DefaultedMessages();

// --- Modal dialogs ---------------------------------------------------------------------------

// One action of the user in a modal dialog built on a template: set the controls' texts, then
// press the button with the given command id (IDOK, IDCANCEL).
struct DialogStep {
    UINT templateId;
    std::map<int, std::string> texts;
    int command;
};

// A dialog's modal loop takes the steps scripted for its template, in order, and otherwise
// the queued messages; with neither left it is cancelled as if by Escape.
void ScriptDialog(const DialogStep& step);

struct DialogRecord {
    UINT templateId;
    std::map<int, std::string> textsAfterInit;
    int result;
};
const std::vector<DialogRecord>& Dialogs();

// --- Message boxes ---------------------------------------------------------------------------

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type;
    // Paints completed before the box was shown.
    int paintsBefore;
};

// Answers for the next message boxes, in order; once they run out, boxes answer IDOK.
void ScriptMessageBoxAnswer(int answer);
const std::vector<MessageBoxRecord>& MessageBoxes();

// --- File dialogs ----------------------------------------------------------------------------

struct FileDialogAnswer {
    bool ok;
    std::string path;
};

struct FileDialogRecord {
    bool open;
    std::string defaultExtension;
    std::string fileName;
    DWORD flags;
    std::string filter;
    std::string initialDir;
    bool owned;
};

// Answers for the next file dialogs, in order; once they run out, dialogs are cancelled.
void ScriptFileDialog(const FileDialogAnswer& answer);
const std::vector<FileDialogRecord>& FileDialogs();

// --- Message queue ---------------------------------------------------------------------------

// Queues a message for PumpWaitingMessages and modal loops to dispatch.
void PostMessage(CWnd& window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues code to run when the queue reaches it, as if a message had been dispatched.
void PostCallback(std::function<void()> callback);
// Queues the quit message, which ends a pass of PumpWaitingMessages.
void PostQuit();
std::size_t QueuedMessageCount();

// --- Cursor, clock and resources
// --------------------------------------------------------------------

bool WaitCursorShown();
// The pointer has no cursor at all, so it cannot be seen.
bool CursorHidden();
// Takes the cursor away, as when the pointer has had none set yet.
void HideCursor();
// The clock that CMessageDrain reads stands still until a test moves it on.
void AdvanceClock(std::int64_t microseconds);
void SetResourceString(UINT id, const std::string& text);

} // namespace headless

#pragma once

// The backend's side of the page (page.js) and the window records it keeps. Internal to the
// backend.
//
// The page's event handlers only queue window messages; the C++ side takes them from the queue
// when it waits (a modal loop) or yields (the search's drain), so no handler ever calls into the
// program while its stack is set aside.

#include "platform_types.h"

#include <cstddef>
#include <string>
#include <vector>

class CDialog;

extern "C" {
// Waits for the browser: these return to its event loop and resume the program later.
// Resumes once the queue holds a message.
void kw_wait_event();
// Resumes as soon as the browser has handled what was waiting (input, rendering); with
// fullTurn false, as soon as the page's own pending callbacks (its microtasks) have run.
void kw_yield(int fullTurn);
// Fetches the named file from beside the page into the pending file; false when there is none.
int kw_fetch_file(const char* name);
// Never resumes: the program stands still for good.
void kw_halt();

// The queue: one message as window, message, wParam, lParam; false when the queue is empty.
int kw_next_event(int* event);

// Windows: the main window is the page's own frame and canvas; others are in-page boxes.
void kw_create_window(int window, int isMain, const char* caption, int width, int height);
void kw_add_control(int window, int kind, int id, const char* text, int x, int y, int width,
                    int height);
void kw_show_window(int window);
void kw_destroy_window(int window);
void kw_message_box(int window, const char* caption, const char* text);
void kw_set_icon(int window, const char* file);
void kw_menu_append(int window, int flags, int id, const char* text);
int kw_menu_delete(int window, int id);
// Copies at most maxChars characters of the control's text, as UTF-8, into buffer; returns the
// number of bytes copied.
int kw_control_text(int window, int id, int maxChars, char* buffer, int size);
void kw_set_control_text(int window, int id, const char* text);
void kw_focus_select(int window, int id);
int kw_dpi();
// The client area of the window in device pixels: width, then height.
void kw_client_size(int window, int* size);
// Gives the window's canvas that many device pixels; its CSS size is that at 96 DPI.
void kw_set_client_size(int window, int width, int height);
// While the page is out of sight, its title calls the user back until it is seen again.
void kw_call_attention();

// Painting, in device pixels of the window's canvas.
void kw_begin_paint(int window);
void kw_end_paint(int window);
void kw_fill_rect(int window, int x, int y, int width, int height, unsigned colour);
void kw_stroke_line(int window, int x0, int y0, int x1, int y1, int width, unsigned colour);
void kw_text_out(int window, int x, int y, const char* text, int height, int weight,
                 const char* face, unsigned colour, unsigned bkColour, int opaque);

void kw_set_wait_cursor(int wait);
void kw_open_file_picker(int window, const char* accept);
// The file last fetched or picked: its size, its name, and its bytes copied into buffer.
int kw_pending_file_size();
int kw_pending_file_name(char* buffer, int size);
void kw_take_pending_file(unsigned char* buffer);
void kw_download(const char* name, const unsigned char* data, int size);
void kw_show_closed();
}

// A window of the page: a dialog, a message box or a file chooser.
struct HWND__ {
    int id = 0;
    // The dialog whose handlers the messages reach; none for a message box or a file chooser,
    // which end with the first command they get.
    CDialog* owner = nullptr;
    bool invalid = false;
    bool erase = false;
    bool ended = false;
    int result = 0;
    // The DPI the window was last told about.
    UINT dpi = 96;
};

// A drawing context: the selected objects and colours, and the current position.
struct HDC__ {
    int window = 0;
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
    const char* file;
};

namespace web {

enum class GdiKind { Pen, Brush, Font };

struct GdiObject {
    GdiKind kind;
    int width = 1;
    COLORREF colour = RGB(0, 0, 0);
    int height = 0;
    int weight = 0;
    std::string face;
};

// A window record that the page knows under its id while the object lives.
class PageWindow {
public:
    explicit PageWindow(CDialog* owner);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;
    ~PageWindow();

    HWND__& Window() { return m_window; }

private:
    HWND__ m_window;
};

// Delivers one message to a window the way the platform does: the handler, then the default
// processing of whatever the handler leaves to it.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Dispatches the next queued message to its window; false when the queue is empty.
bool DispatchNextEvent();

// Gives the browser its turn (input, rendering) if it has not had one for the drain's interval;
// otherwise lets only the page's pending callbacks run. A computation that starts right after
// the browser's turn thus does not wait for the next frame.
void YieldToBrowserIfDue();

// Dispatches the queued messages, waiting for more, until the window has ended; returns its
// result.
int RunModalLoop(HWND__& window);

// Files: where a file written for download goes, and the page's store of files.
extern const char* const kDownloadFolder;
// The bytes of the file last fetched or picked.
std::vector<unsigned char> TakePendingFile();
void StoreFile(const std::string& path, std::vector<unsigned char> bytes);
void ForgetFile(const std::string& path);

// Dialog units to pixels at 96 DPI, with the base units of the window font (6 x 13).
int DialogUnitsToX(int units);
int DialogUnitsToY(int units);

} // namespace web

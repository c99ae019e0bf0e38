#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/wnd.h"

#include "utf16.h"

namespace {

// The window the user works in: the main window, or the modal box last active over it, which
// then cannot be used again until the message is answered.
HWND Owner() {
    CWinApp* app = AfxGetApp();
    HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return main ? GetLastActivePopup(main) : nullptr;
}

} // namespace

int AfxMessageBox(const char* text, UINT type) {
    return MessageBoxW(Owner(), ToUtf16(text).c_str(), ToUtf16(AfxGetAppName()).c_str(), type);
}

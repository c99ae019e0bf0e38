#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/wnd.h"

#include "utf16.h"

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(AfxGetAppName()).c_str(), type);
}

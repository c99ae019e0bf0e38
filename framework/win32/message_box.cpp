#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/wnd.h"

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return MessageBoxA(owner, text, AfxGetAppName().c_str(), type);
}

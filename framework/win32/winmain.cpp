#include "framework/app.h"

#include "platform_types.h"

// The program's entry point: the application object does all its work in InitInstance.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (CWinApp* app = AfxGetApp()) {
        app->InitInstance();
    }
    return 0;
}

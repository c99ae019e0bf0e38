#include "framework/app.h"

#include "platform_types.h"

#include <commctrl.h>

// The program's entry point: the application object does all its work in InitInstance. The
// dialogs' controls come from the version of the common controls that the program's manifest
// names, which draws them themed; loading it first registers their classes.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    if (CWinApp* app = AfxGetApp()) {
        app->InitInstance();
    }
    return 0;
}

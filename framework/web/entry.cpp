#include "framework/app.h"

#include "page.h"

// The program's entry point: the application object does all its work in InitInstance. A page
// cannot end: once the program has, the page shows its window closed.
int main() {
    if (CWinApp* app = AfxGetApp()) {
        app->InitInstance();
    }
    kw_show_closed();
    return 0;
}

#include "framework/process.h"

#include "page.h"

// A page cannot end its process: the window is shown closed and the program stands still until
// the page is loaded again.
void AfxExitProcess(int) {
    kw_show_closed();
    for (;;) {
        kw_halt();
    }
}

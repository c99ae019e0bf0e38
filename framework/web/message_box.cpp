#include "framework/message_box.h"

#include "framework/app.h"
#include "page.h"

// A box over the page with the text, the warning sign and OK; it stays until it is answered.
int AfxMessageBox(const char* text, UINT) {
    web::PageWindow page(nullptr);
    HWND__& box = page.Window();
    kw_message_box(box.id, AfxGetAppName().c_str(), text);
    web::RunModalLoop(box);
    // A box with OK alone answers OK however it is closed.
    return IDOK;
}

#include "framework/dialog.h"

#include "framework/app.h"
#include "page.h"
#include "web_resources.h"

namespace {

const web::DialogTemplate* FindTemplate(UINT id) {
    for (const web::DialogTemplate& layout : web::kDialogTemplates) {
        if (layout.id == id) {
            return &layout;
        }
    }
    return nullptr;
}

bool IsMainWindow(const CDialog& dialog) {
    const CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd == &dialog;
}

// The main window is the page's frame around its canvas; any other dialog is a box over it,
// with the controls of its template.
void CreatePageWindow(const HWND__& window, const web::DialogTemplate& layout, bool main) {
    kw_create_window(window.id, main ? 1 : 0, layout.caption, web::DialogUnitsToX(layout.width),
                     web::DialogUnitsToY(layout.height));
    for (std::size_t i = 0; i < layout.controlCount; ++i) {
        const web::DialogControl& control = layout.controls[i];
        kw_add_control(window.id, static_cast<int>(control.kind), control.id, control.text,
                       web::DialogUnitsToX(control.x), web::DialogUnitsToY(control.y),
                       web::DialogUnitsToX(control.width), web::DialogUnitsToY(control.height));
    }
}

} // namespace

int CDialog::DoModal() {
    const web::DialogTemplate* layout = FindTemplate(m_templateId);
    if (!layout) {
        return -1;
    }
    web::PageWindow page(this);
    HWND__& window = page.Window();
    m_hWnd = &window;
    CreatePageWindow(window, *layout, IsMainWindow(*this));
    web::Deliver(&window, WM_INITDIALOG, 0, 0);
    if (!window.ended) {
        // Shown once initialised, and painted as it appears.
        kw_show_window(window.id);
        Invalidate(TRUE);
        UpdateWindow();
    }
    const int result = web::RunModalLoop(window);
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    m_hWnd->ended = true;
    m_hWnd->result = result;
}

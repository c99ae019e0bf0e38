#include "framework/dialog.h"
#include "state.h"

namespace headless {

namespace {

// Takes the first scripted step for the template, if the script holds one.
bool TakeStep(UINT templateId, DialogStep& step) {
    auto& steps = TheState().dialogSteps;
    for (auto candidate = steps.begin(); candidate != steps.end(); ++candidate) {
        if (candidate->templateId == templateId) {
            step = *candidate;
            steps.erase(candidate);
            return true;
        }
    }
    return false;
}

// Detaches the window from its dialog however the modal loop is left.
class ModalWindow {
public:
    explicit ModalWindow(CDialog& dialog) : m_dialog(dialog) {
        CreateWindowState(m_window, dialog);
    }
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;
    ~ModalWindow() { m_dialog.m_hWnd = nullptr; }

    HWND__& Window() { return m_window; }

private:
    CDialog& m_dialog;
    HWND__ m_window;
};

} // namespace

void ScriptDialog(const DialogStep& step) {
    TheState().dialogSteps.push_back(step);
}

const std::vector<DialogRecord>& Dialogs() {
    return TheState().dialogs;
}

} // namespace headless

int CDialog::DoModal() {
    using namespace headless;
    ModalWindow modal(*this);
    HWND__& window = modal.Window();
    Deliver(&window, WM_INITDIALOG, 0, 0);
    const std::map<int, std::string> textsAfterInit = window.controls;
    while (!window.ended) {
        DialogStep step;
        if (TakeStep(m_templateId, step)) {
            for (const auto& [id, text] : step.texts) {
                window.controls[id] = text;
            }
            Deliver(&window, WM_COMMAND, static_cast<WPARAM>(step.command), 0);
        } else if (!DispatchNextQueued()) {
            Deliver(&window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    TheState().dialogs.push_back({m_templateId, textsAfterInit, window.result});
    return window.result;
}

void CDialog::EndDialog(int result) {
    m_hWnd->ended = true;
    m_hWnd->result = result;
}

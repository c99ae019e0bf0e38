#include "framework/file_dialog.h"

#include "state.h"

namespace headless {

void ScriptFileDialog(const FileDialogAnswer& answer) {
    TheState().fileDialogAnswers.push_back(answer);
}

const std::vector<FileDialogRecord>& FileDialogs() {
    return TheState().fileDialogs;
}

} // namespace headless

int CFileDialog::DoModal() {
    headless::State& state = headless::TheState();
    state.fileDialogs.push_back({m_openDialog != FALSE, m_defaultExtension, m_fileName, m_flags,
                                 m_filter, m_initialDir, m_parent != nullptr});
    if (state.fileDialogAnswers.empty()) {
        return IDCANCEL;
    }
    const headless::FileDialogAnswer answer = state.fileDialogAnswers.front();
    state.fileDialogAnswers.pop_front();
    if (!answer.ok) {
        return IDCANCEL;
    }
    m_pathName = answer.path;
    return IDOK;
}

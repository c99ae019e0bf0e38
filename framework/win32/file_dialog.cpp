#include "framework/file_dialog.h"

#include "framework/wnd.h"

#include <vector>

namespace {

// The platform wants the filter's parts separated by NUL characters.
std::vector<char> PlatformFilter(const std::string& filter) {
    std::vector<char> parts(filter.begin(), filter.end());
    for (char& c : parts) {
        if (c == '|') {
            c = '\0';
        }
    }
    parts.push_back('\0');
    return parts;
}

} // namespace

int CFileDialog::DoModal() {
    std::vector<char> path(MAX_PATH * 4, '\0');
    m_fileName.copy(path.data(), path.size() - 1);
    std::vector<char> filter = PlatformFilter(m_filter);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_parent ? m_parent->m_hWnd : nullptr;
    dialog.lpstrFilter = filter.data();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = m_initialDir.empty() ? nullptr : m_initialDir.c_str();
    dialog.lpstrDefExt = m_defaultExtension.c_str();
    dialog.Flags = m_flags | OFN_EXPLORER;

    const BOOL chosen = m_openDialog ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) {
        return IDCANCEL;
    }
    m_pathName = path.data();
    return IDOK;
}

#include "framework/file_dialog.h"

#include "framework/wnd.h"
#include "utf16.h"

#include <vector>

namespace {

// Room for the longest path the platform knows, so that every file the user can choose is
// returned whole.
constexpr std::size_t kPathRoom = 32768;

// The platform wants the filter's parts separated by NUL characters.
std::wstring PlatformFilter(const std::string& filter) {
    std::wstring parts = ToUtf16(filter);
    for (wchar_t& c : parts) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    return parts + L'\0';
}

} // namespace

int CFileDialog::DoModal() {
    std::vector<wchar_t> path(kPathRoom, L'\0');
    ToUtf16(m_fileName).copy(path.data(), path.size() - 1);
    const std::wstring filter = PlatformFilter(m_filter);
    const std::wstring initialDir = ToUtf16(m_initialDir);
    const std::wstring defaultExtension = ToUtf16(m_defaultExtension);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_parent ? m_parent->m_hWnd : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = m_flags | OFN_EXPLORER;

    const BOOL chosen = m_openDialog ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen) {
        return IDCANCEL;
    }
    m_pathName = ToUtf8(path.data());
    return IDOK;
}

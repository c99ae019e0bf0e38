#include "framework/file_dialog.h"

#include "page.h"

namespace {

// The patterns of the filter's first entry ("*.sud;*.txt") as the page's chooser takes them
// (".sud,.txt"); none where the entry takes every file.
std::string AcceptOf(const std::string& filter) {
    const std::size_t start = filter.find('|');
    if (start == std::string::npos) {
        return std::string();
    }
    const std::string patterns = filter.substr(start + 1, filter.find('|', start + 1) - start - 1);
    std::string accept;
    std::size_t from = 0;
    while (from < patterns.size()) {
        const std::size_t end = std::min(patterns.find(';', from), patterns.size());
        const std::string pattern = patterns.substr(from, end - from);
        if (pattern == "*.*" || pattern == "*") {
            return std::string();
        }
        accept += (accept.empty() ? "" : ",") + pattern.substr(pattern.find('.'));
        from = end + 1;
    }
    return accept;
}

std::string PendingFileName() {
    std::string name(256, '\0');
    name.resize(
        static_cast<std::size_t>(kw_pending_file_name(name.data(), static_cast<int>(name.size()))));
    return name;
}

} // namespace

// Open: the page's file chooser, whose file is read into the page. Save: the page cannot write
// where the user chooses; the file goes to the user's downloads under the name offered.
int CFileDialog::DoModal() {
    if (!m_openDialog) {
        const bool hasExtension = m_fileName.find('.') != std::string::npos;
        m_pathName = web::kDownloadFolder + m_fileName +
                     (hasExtension || m_defaultExtension.empty() ? "" : "." + m_defaultExtension);
        web::ForgetFile(m_pathName);
        return IDOK;
    }
    web::PageWindow page(nullptr);
    HWND__& chooser = page.Window();
    kw_open_file_picker(chooser.id, AcceptOf(m_filter).c_str());
    if (web::RunModalLoop(chooser) != IDOK) {
        return IDCANCEL;
    }
    m_pathName = "upload/" + PendingFileName();
    web::StoreFile(m_pathName, web::TakePendingFile());
    return IDOK;
}

#pragma once

#include "platform_types.h"

#include <string>

class CWnd;

// The platform's open or save-as dialog for one file.
class CFileDialog {
public:
    // filter: names and patterns alternating, separated by '|' and ended by "||".
    CFileDialog(BOOL openDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                const char* filter, CWnd* parent)
        : m_openDialog(openDialog), m_defaultExtension(defaultExtension), m_fileName(fileName),
          m_flags(flags), m_filter(filter), m_parent(parent) {}

    // IDOK when the user chose a file, IDCANCEL otherwise.
    int DoModal();
    const std::string& GetPathName() const { return m_pathName; }

    BOOL m_openDialog;
    std::string m_defaultExtension;
    std::string m_fileName;
    DWORD m_flags;
    std::string m_filter;
    std::string m_initialDir;
    CWnd* m_parent;

private:
    std::string m_pathName;
};

#include "framework/file.h"

#include "platform_types.h"
#include "utf16.h"

#include <cwchar>

namespace {

HANDLE HandleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

// Already in the form the platform takes literally: a long path or a device.
bool IsLiteral(const std::wstring& path) {
    return StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\");
}

// Absolute, as the platform makes a path absolute; empty when it cannot.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    full.resize(length < full.size() ? length : 0);
    return full;
}

// The path as the platform itself would read it, marked so that no length limit applies below
// the platform's own maximum: a temporary file beside a target of 250 characters passes
// MAX_PATH. A name the platform reads as a device stays one.
std::wstring PlatformPath(const std::string& path) {
    const std::wstring wide = ToUtf16(path);
    if (IsLiteral(wide)) {
        return wide;
    }
    const std::wstring full = FullPath(wide);
    if (full.empty()) {
        return wide;
    }
    if (IsLiteral(full)) {
        return full;
    }
    return StartsWith(full, L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// The name under which the platform knows the open file, links resolved; empty when it has none.
std::wstring FinalPath(HANDLE file) {
    std::wstring path(GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED), L'\0');
    const DWORD length = GetFinalPathNameByHandleW(
        file, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
    path.resize(length < path.size() ? length : 0);
    return path;
}

// The path of the file itself, links resolved; empty when that cannot be known. Some file systems
// name no final path: the path given then serves, unless it is a link, which must not be
// replaced by a file of its own.
std::wstring RealPath(HANDLE file, const std::wstring& path) {
    const std::wstring final = FinalPath(file);
    if (!final.empty()) {
        return final;
    }
    return GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT ? std::wstring() : path;
}

DWORD AccessOf(CFile::OpenMode mode) {
    return mode == CFile::modeRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
}

DWORD DispositionOf(CFile::OpenMode mode) {
    switch (mode) {
    case CFile::modeRead:
        return OPEN_EXISTING;
    case CFile::modeCreate:
        return OPEN_ALWAYS;
    default:
        return CREATE_NEW;
    }
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    HANDLE file = CreateFileW(PlatformPath(path).c_str(), AccessOf(mode), 0, nullptr,
                              DispositionOf(mode), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    // Truncated after opening, not created anew: that would reset the file's attributes, and is
    // refused for a hidden file.
    if (mode == modeCreate && !SetEndOfFile(file)) {
        CloseHandle(file);
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool CFile::SeekFromEnd(long long distance) {
    LARGE_INTEGER move;
    move.QuadPart = -distance;
    return SetFilePointerEx(HandleOf(m_handle), move, nullptr, FILE_END) != 0;
}

long long CFile::Read(void* buffer, std::size_t count) {
    DWORD read = 0;
    if (!ReadFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &read, nullptr)) {
        return -1;
    }
    return read;
}

bool CFile::Write(const void* buffer, std::size_t count) {
    DWORD written = 0;
    return WriteFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &written, nullptr) &&
           written == count;
}

bool CFile::Flush() {
    return FlushFileBuffers(HandleOf(m_handle)) != 0;
}

bool CFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const bool closed = CloseHandle(HandleOf(m_handle)) != 0;
    m_handle = kNoFile;
    return closed;
}

bool CFile::GetStatus(const std::string& path, CFileStatus& status) {
    const std::wstring platformPath = PlatformPath(path);
    // Opened for its attributes only, which succeeds while the file is held open elsewhere.
    HANDLE file = CreateFileW(platformPath.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information;
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    const std::wstring realPath = RealPath(file, platformPath);
    CloseHandle(file);
    if (!known || realPath.empty()) {
        return false;
    }
    status.m_readOnly = (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.m_names = information.nNumberOfLinks;
    status.m_realPath = ToUtf8(realPath);
    return true;
}

bool CFile::Replace(const std::string& source, const std::string& target) {
    const std::wstring replaced = PlatformPath(target);
    const DWORD attributes = GetFileAttributesW(replaced.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        !ReplaceFileW(replaced.c_str(), PlatformPath(source).c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return false;
    }
    // The platform's replace carries the attributes over itself, but not every implementation
    // of it does.
    if (GetFileAttributesW(replaced.c_str()) != attributes) {
        SetFileAttributesW(replaced.c_str(), attributes);
    }
    return true;
}

bool CFile::Remove(const std::string& path) {
    return DeleteFileW(PlatformPath(path).c_str()) != 0;
}

std::string CFile::FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

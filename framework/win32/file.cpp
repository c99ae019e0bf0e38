#include "framework/file.h"

#include "platform_types.h"
#include "utf16.h"

#include <cwchar>
#include <cwctype>

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
// the platform's own maximum. A name the platform reads as a device stays one.
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

DWORD AccessOf(CFile::OpenMode mode) {
    return mode == CFile::modeRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
}

DWORD DispositionOf(CFile::OpenMode mode) {
    return mode == CFile::modeCreateNew ? CREATE_NEW : OPEN_EXISTING;
}

FileError ErrorOf(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return FileError::notFound;
    case ERROR_ACCESS_DENIED:
        return FileError::denied;
    case ERROR_WRITE_PROTECT:
        return FileError::readOnly;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileError::inUse;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return FileError::exists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileError::diskFull;
    default:
        return FileError::other;
    }
}

bool IsReadOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool IsReadOnly(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information;
    return GetFileInformationByHandle(file, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
}

bool MoveTo(HANDLE file, long long position) {
    LARGE_INTEGER distance;
    distance.QuadPart = position;
    return SetFilePointerEx(file, distance, nullptr, FILE_BEGIN) != 0;
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    m_mode = mode;
    const std::wstring platformPath = PlatformPath(path);
    HANDLE file = CreateFileW(platformPath.c_str(), AccessOf(mode), 0, nullptr, DispositionOf(mode),
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Failed();
        // The platform refuses a read-only file as it refuses a file of someone else's.
        if (m_error == FileError::denied && mode == modeReadWrite && IsReadOnly(platformPath)) {
            m_error = FileError::readOnly;
        }
        return false;
    }
    // The platform refuses it by itself, but not every implementation of it does for a user whom
    // file permissions do not bind.
    if (mode == modeReadWrite && IsReadOnly(file)) {
        CloseHandle(file);
        m_error = FileError::readOnly;
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool CFile::SeekToStart() {
    return MoveTo(HandleOf(m_handle), 0) || Failed();
}

bool CFile::SeekFromEnd(long long distance) {
    LARGE_INTEGER move;
    move.QuadPart = -distance;
    return SetFilePointerEx(HandleOf(m_handle), move, nullptr, FILE_END) != 0 || Failed();
}

long long CFile::Read(void* buffer, std::size_t count) {
    DWORD read = 0;
    if (!ReadFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &read, nullptr)) {
        Failed();
        return -1;
    }
    return read;
}

bool CFile::WriteOnPlatform(const void* buffer, std::size_t count) {
    DWORD written = 0;
    if (!WriteFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &written, nullptr)) {
        return Failed();
    }
    // A short write without an error is what a full disk gives.
    if (written != count) {
        m_error = FileError::diskFull;
        return false;
    }
    return true;
}

bool CFile::FlushOnPlatform() {
    return FlushFileBuffers(HandleOf(m_handle)) != 0 || Failed();
}

bool CFile::CutOnPlatform(long long length) {
    return (MoveTo(HandleOf(m_handle), length) && SetEndOfFile(HandleOf(m_handle))) || Failed();
}

bool CFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const bool closed = CloseHandle(HandleOf(m_handle)) != 0 || Failed();
    m_handle = kNoFile;
    return closed;
}

bool CFile::Remove(const std::string& path) {
    return DeleteFileW(PlatformPath(path).c_str()) != 0;
}

bool CFile::Failed() {
    m_platformError = static_cast<int>(GetLastError());
    m_error = ErrorOf(static_cast<DWORD>(m_platformError));
    return false;
}

// The platform's own sentence, without its full stop, to follow a colon.
std::string CFile::PlatformErrorText() const {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(m_platformError), 0, reinterpret_cast<wchar_t*>(&text), 0,
        nullptr);
    std::wstring words(text, length);
    LocalFree(text);
    while (!words.empty() && (words.back() == L'.' || std::iswspace(words.back()))) {
        words.pop_back();
    }
    return words.empty() ? "error " + std::to_string(m_platformError) : ToUtf8(words);
}

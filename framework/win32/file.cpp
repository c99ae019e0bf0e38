#include "framework/file.h"

#include "platform_types.h"
#include "utf16.h"

namespace {

HANDLE HandleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    const DWORD access = mode == modeRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD disposition = mode == modeRead ? OPEN_EXISTING : CREATE_ALWAYS;
    HANDLE file = CreateFileW(ToUtf16(path).c_str(), access, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
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

bool CFile::Rename(const std::string& source, const std::string& target) {
    return MoveFileExW(ToUtf16(source).c_str(), ToUtf16(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CFile::Remove(const std::string& path) {
    return DeleteFileW(ToUtf16(path).c_str()) != 0;
}

#include "framework/file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int DescriptorOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

int FlagsOf(CFile::OpenMode mode) {
    switch (mode) {
    case CFile::modeRead:
        return O_RDONLY;
    case CFile::modeReadWrite:
        return O_RDWR;
    default:
        return O_RDWR | O_CREAT | O_EXCL;
    }
}

FileError ErrorOf(int code) {
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return FileError::notFound;
    case EACCES:
    case EPERM:
        return FileError::denied;
    case EROFS:
        return FileError::readOnly;
    case EWOULDBLOCK:
        return FileError::inUse;
    case EEXIST:
        return FileError::exists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileError::diskFull;
    default:
        return FileError::other;
    }
}

// Without write permission for anyone, a file counts as read-only, as the Windows backend under
// Wine sees it; then even a user whom the permissions do not bind leaves it alone.
bool IsReadOnly(const struct stat& file) {
    return (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool IsReadOnly(int descriptor) {
    struct stat file;
    return ::fstat(descriptor, &file) == 0 && IsReadOnly(file);
}

bool IsReadOnly(const std::string& path) {
    struct stat file;
    return ::stat(path.c_str(), &file) == 0 && IsReadOnly(file);
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    m_mode = mode;
    const int descriptor = ::open(path.c_str(), FlagsOf(mode) | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        Failed();
        if (m_error == FileError::denied && mode == modeReadWrite && IsReadOnly(path)) {
            m_error = FileError::readOnly;
        }
        return false;
    }
    // An exclusive lock stands in for the platform's open without sharing.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        Failed();
        ::close(descriptor);
        return false;
    }
    if (mode == modeReadWrite && IsReadOnly(descriptor)) {
        m_error = FileError::readOnly;
        ::close(descriptor);
        return false;
    }
    m_handle = descriptor;
    return true;
}

bool CFile::SeekToStart() {
    return ::lseek(DescriptorOf(m_handle), 0, SEEK_SET) == 0 || Failed();
}

bool CFile::SeekFromEnd(long long distance) {
    struct stat status;
    if (::fstat(DescriptorOf(m_handle), &status) != 0 || status.st_size < distance) {
        return false;
    }
    return ::lseek(DescriptorOf(m_handle), -distance, SEEK_END) >= 0 || Failed();
}

long long CFile::Read(void* buffer, std::size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t read = ::read(DescriptorOf(m_handle), bytes + total, count - total);
        if (read < 0) {
            Failed();
            return -1;
        }
        if (read == 0) {
            break;
        }
        total += static_cast<std::size_t>(read);
    }
    return static_cast<long long>(total);
}

bool CFile::WriteOnPlatform(const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t written = ::write(DescriptorOf(m_handle), bytes + total, count - total);
        if (written <= 0) {
            return Failed();
        }
        total += static_cast<std::size_t>(written);
    }
    return true;
}

bool CFile::FlushOnPlatform() {
    return ::fsync(DescriptorOf(m_handle)) == 0 || Failed();
}

bool CFile::CutOnPlatform(long long length) {
    return ::ftruncate(DescriptorOf(m_handle), static_cast<off_t>(length)) == 0 || Failed();
}

bool CFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const bool closed = ::close(DescriptorOf(m_handle)) == 0 || Failed();
    m_handle = kNoFile;
    return closed;
}

bool CFile::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CFile::Failed() {
    m_platformError = errno;
    m_error = ErrorOf(m_platformError);
    return false;
}

std::string CFile::PlatformErrorText() const {
    return std::strerror(m_platformError);
}

#include "framework/file.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
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
    case CFile::modeCreate:
        return O_RDWR | O_CREAT;
    default:
        return O_RDWR | O_CREAT | O_EXCL;
    }
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    const int descriptor = ::open(path.c_str(), FlagsOf(mode) | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return false;
    }
    // An exclusive lock stands in for the platform's open without sharing; a file is truncated
    // only once the lock is held.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0 ||
        (mode == modeCreate && ::ftruncate(descriptor, 0) != 0)) {
        ::close(descriptor);
        return false;
    }
    m_handle = descriptor;
    return true;
}

bool CFile::SeekFromEnd(long long distance) {
    struct stat status;
    if (::fstat(DescriptorOf(m_handle), &status) != 0 || status.st_size < distance) {
        return false;
    }
    return ::lseek(DescriptorOf(m_handle), -distance, SEEK_END) >= 0;
}

long long CFile::Read(void* buffer, std::size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t read = ::read(DescriptorOf(m_handle), bytes + total, count - total);
        if (read < 0) {
            return -1;
        }
        if (read == 0) {
            break;
        }
        total += static_cast<std::size_t>(read);
    }
    return static_cast<long long>(total);
}

bool CFile::Write(const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t written = ::write(DescriptorOf(m_handle), bytes + total, count - total);
        if (written <= 0) {
            return false;
        }
        total += static_cast<std::size_t>(written);
    }
    return true;
}

bool CFile::Flush() {
    return ::fsync(DescriptorOf(m_handle)) == 0;
}

bool CFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const bool closed = ::close(DescriptorOf(m_handle)) == 0;
    m_handle = kNoFile;
    return closed;
}

// Without write permission for anyone, a file counts as read-only, as the Windows backend under
// Wine sees it.
bool CFile::GetStatus(const std::string& path, CFileStatus& status) {
    struct stat file;
    char realPath[PATH_MAX];
    if (::stat(path.c_str(), &file) != 0 || !::realpath(path.c_str(), realPath)) {
        return false;
    }
    status.m_readOnly = (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    status.m_names = static_cast<unsigned>(file.st_nlink);
    status.m_realPath = realPath;
    return true;
}

// The file's permissions stand for its attributes.
bool CFile::Replace(const std::string& source, const std::string& target) {
    struct stat replaced;
    return ::stat(target.c_str(), &replaced) == 0 &&
           ::chmod(source.c_str(), replaced.st_mode & 07777) == 0 &&
           std::rename(source.c_str(), target.c_str()) == 0;
}

bool CFile::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

std::string CFile::FolderOf(const std::string& path) {
    const std::size_t separator = path.rfind('/');
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

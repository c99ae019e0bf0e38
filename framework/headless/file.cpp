#include "framework/file.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int DescriptorOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    const int flags = mode == modeRead ? O_RDONLY : O_RDWR | O_CREAT;
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
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

bool CFile::Rename(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool CFile::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file opened by the platform with no sharing: while it is open, no other open of the same
// file succeeds. Closed on destruction.
class CFile {
public:
    enum OpenMode { modeRead, modeCreate };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    // modeRead: an existing file, read-only. modeCreate: created, or truncated if it exists.
    bool Open(const std::string& path, OpenMode mode);
    // Positions the file distance bytes before its end; false when the file is shorter.
    bool SeekFromEnd(long long distance);
    // Number of bytes read, or -1 when the read fails.
    long long Read(void* buffer, std::size_t count);
    bool Write(const void* buffer, std::size_t count);
    // Forces what was written onto the disk.
    bool Flush();
    bool Close();
    bool IsOpen() const { return m_handle != kNoFile; }

    // Replaces target by source in one step where the platform allows it.
    static bool Rename(const std::string& source, const std::string& target);
    static bool Remove(const std::string& path);

private:
    // The platform's handle or descriptor; -1 is no file on both backends.
    static constexpr std::intptr_t kNoFile = -1;
    std::intptr_t m_handle = kNoFile;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the platform says about an existing file.
struct CFileStatus {
    // The file is protected against changes: its read-only attribute is set.
    bool m_readOnly = false;
    // Names that lead to the file: more than one when it has hard links.
    unsigned m_names = 1;
    // The file's own path, with the links on the way to it resolved.
    std::string m_realPath;
};

// A file opened by the platform with no sharing: while it is open, no other open of the same
// file succeeds. Closed on destruction. Paths are UTF-8 and may be longer than the platform's
// traditional limit.
class CFile {
public:
    enum OpenMode { modeRead, modeCreate, modeCreateNew };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    // modeRead: an existing file, read-only. modeCreate: created, or truncated if it exists, with
    // its attributes kept. modeCreateNew: created, and refused if anything of that name exists.
    bool Open(const std::string& path, OpenMode mode);
    // Creates and opens a new file in the folder of path, under a name of its own that no
    // existing file has; temporaryPath receives its path. False when the folder takes no new file.
    bool OpenTemporaryBeside(const std::string& path, std::string& temporaryPath);
    // Positions the file distance bytes before its end; false when the file is shorter.
    bool SeekFromEnd(long long distance);
    // Number of bytes read, or -1 when the read fails.
    long long Read(void* buffer, std::size_t count);
    bool Write(const void* buffer, std::size_t count);
    // Forces what was written onto the disk.
    bool Flush();
    bool Close();
    bool IsOpen() const { return m_handle != kNoFile; }

    // False when there is no file at path, or the platform cannot tell what it is.
    static bool GetStatus(const std::string& path, CFileStatus& status);
    // Puts source in place of the existing file target in one step, keeping what the user set
    // on target where the platform allows (its attributes).
    static bool Replace(const std::string& source, const std::string& target);
    static bool Remove(const std::string& path);

private:
    // The part of path up to and including its last folder separator; empty for a bare name.
    static std::string FolderOf(const std::string& path);

    // The platform's handle or descriptor; -1 is no file on both backends.
    static constexpr std::intptr_t kNoFile = -1;
    std::intptr_t m_handle = kNoFile;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Why the last operation on a file failed, sorted from what the platform reported.
enum class FileError { none, notFound, denied, readOnly, inUse, exists, diskFull, other };

// A file opened by the platform with no sharing: while it is open, no other open of the same
// file succeeds. Closed on destruction. Paths are UTF-8 and may be longer than the platform's
// traditional limit.
class CFile {
public:
    // modeRead: an existing file, read-only. modeReadWrite: an existing file, read and written
    // as it is (nothing truncated); the platform's own access check decides, and a read-only
    // file is refused. modeCreateNew: created, and refused if anything of that name exists.
    enum OpenMode { modeRead, modeReadWrite, modeCreateNew };
    // The steps that put bytes on the disk, which a test can make fail (FailNextForTest).
    enum Step { stepWrite, stepFlush, stepCut };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    bool Open(const std::string& path, OpenMode mode);
    bool SeekToStart();
    // Positions the file distance bytes before its end; false when the file is shorter.
    bool SeekFromEnd(long long distance);
    // Number of bytes read, or -1 when the read fails.
    long long Read(void* buffer, std::size_t count);
    bool Write(const void* buffer, std::size_t count);
    // Forces what was written onto the disk.
    bool Flush();
    // Ends the file after its first length bytes.
    bool Cut(long long length);
    bool Close();
    bool IsOpen() const { return m_handle != kNoFile; }

    // What went wrong last, and the same in plain words for the user: "you may not write to
    // this file".
    FileError Error() const { return m_error; }
    std::string ErrorText() const;

    static bool Remove(const std::string& path);

    // The next time any file takes step, the step fails as on a full disk: lets a test reach
    // what a failed write, flush or cut leaves behind.
    static void FailNextForTest(Step step);

private:
    bool WriteOnPlatform(const void* buffer, std::size_t count);
    bool FlushOnPlatform();
    bool CutOnPlatform(long long length);
    // Records why the platform's last call failed (its error code or errno); always false.
    bool Failed();
    // Whether the test seam makes step fail now.
    bool FailsForTest(Step step);
    // Why the platform refused the open, in the words of what it was asked for.
    const char* DeniedText() const;
    std::string PlatformErrorText() const;

    // The platform's handle or descriptor; -1 is no file on both backends.
    static constexpr std::intptr_t kNoFile = -1;
    std::intptr_t m_handle = kNoFile;
    OpenMode m_mode = modeRead;
    FileError m_error = FileError::none;
    int m_platformError = 0;
};

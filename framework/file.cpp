#include "framework/file.h"

namespace {

// The step the test seam makes fail next; -1 while no test asked for one.
int g_failingStep = -1;

} // namespace

void CFile::FailNextForTest(Step step) {
    g_failingStep = step;
}

bool CFile::FailsForTest(Step step) {
    if (g_failingStep != step) {
        return false;
    }
    g_failingStep = -1;
    m_error = FileError::diskFull;
    return true;
}

bool CFile::Write(const void* buffer, std::size_t count) {
    return !FailsForTest(stepWrite) && WriteOnPlatform(buffer, count);
}

bool CFile::Flush() {
    return !FailsForTest(stepFlush) && FlushOnPlatform();
}

bool CFile::Cut(long long length) {
    return !FailsForTest(stepCut) && CutOnPlatform(length);
}

const char* CFile::DeniedText() const {
    switch (m_mode) {
    case modeRead:
        return "you may not read this file";
    case modeReadWrite:
        return "you may not write to this file";
    default:
        return "you may not make a new file in this folder";
    }
}

std::string CFile::ErrorText() const {
    switch (m_error) {
    case FileError::none:
        return {};
    case FileError::notFound:
        return "there is no such file or folder";
    case FileError::denied:
        return DeniedText();
    case FileError::readOnly:
        return "the file is read-only";
    case FileError::inUse:
        return "another program is using this file";
    case FileError::exists:
        return "something of that name is already there";
    case FileError::diskFull:
        return "the disk is full";
    default:
        return PlatformErrorText();
    }
}

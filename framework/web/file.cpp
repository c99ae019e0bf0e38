#include "framework/file.h"

#include "page.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

// The page's files live in memory. A file opened for reading that the page does not hold yet is
// fetched from beside the page, and forgotten again when closed; a file written in the download
// folder leaves the page as a download when it is closed.

namespace {

struct OpenedFile {
    std::string path;
    std::size_t position = 0;
    bool writable = false;
    bool fetched = false;
};

std::map<std::string, std::vector<unsigned char>>& Files() {
    static std::map<std::string, std::vector<unsigned char>> files;
    return files;
}

std::map<std::intptr_t, OpenedFile>& OpenedFiles() {
    static std::map<std::intptr_t, OpenedFile> opened;
    return opened;
}

bool IsOpenedAnywhere(const std::string& path) {
    return std::any_of(OpenedFiles().begin(), OpenedFiles().end(),
                       [&](const auto& entry) { return entry.second.path == path; });
}

bool FetchBesidePage(const std::string& path) {
    if (!kw_fetch_file(path.c_str())) {
        return false;
    }
    Files()[path] = web::TakePendingFile();
    return true;
}

// Makes the file ready in the store as the mode asks; fetched tells whether it came from the
// server. What is missing, or already there for a new file, is the reason of the refusal.
FileError PrepareFile(const std::string& path, CFile::OpenMode mode, bool& fetched) {
    auto& files = Files();
    const bool exists = files.count(path) != 0;
    fetched = false;
    switch (mode) {
    case CFile::modeRead:
        fetched = !exists;
        return exists || FetchBesidePage(path) ? FileError::none : FileError::notFound;
    case CFile::modeReadWrite:
        return exists ? FileError::none : FileError::notFound;
    default:
        if (exists) {
            return FileError::exists;
        }
        files[path];
        return FileError::none;
    }
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

void OfferDownload(const std::string& path) {
    const std::vector<unsigned char>& bytes = Files()[path];
    const std::string name = path.substr(std::strlen(web::kDownloadFolder));
    kw_download(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

} // namespace

namespace web {

const char* const kDownloadFolder = "download/";

std::vector<unsigned char> TakePendingFile() {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(kw_pending_file_size()));
    kw_take_pending_file(bytes.data());
    return bytes;
}

void StoreFile(const std::string& path, std::vector<unsigned char> bytes) {
    Files()[path] = std::move(bytes);
}

void ForgetFile(const std::string& path) {
    Files().erase(path);
}

} // namespace web

bool CFile::Open(const std::string& path, OpenMode mode) {
    Close();
    m_mode = mode;
    bool fetched = false;
    m_error = IsOpenedAnywhere(path) ? FileError::inUse : PrepareFile(path, mode, fetched);
    if (m_error != FileError::none) {
        return false;
    }
    static std::intptr_t lastHandle = 0;
    m_handle = ++lastHandle;
    OpenedFiles()[m_handle] = OpenedFile{path, 0, mode != modeRead, fetched};
    return true;
}

bool CFile::SeekToStart() {
    OpenedFiles().at(m_handle).position = 0;
    return true;
}

bool CFile::SeekFromEnd(long long distance) {
    OpenedFile& file = OpenedFiles().at(m_handle);
    const std::size_t size = Files()[file.path].size();
    if (distance < 0 || static_cast<unsigned long long>(distance) > size) {
        return false;
    }
    file.position = size - static_cast<std::size_t>(distance);
    return true;
}

long long CFile::Read(void* buffer, std::size_t count) {
    OpenedFile& file = OpenedFiles().at(m_handle);
    const std::vector<unsigned char>& bytes = Files()[file.path];
    const std::size_t available = bytes.size() - std::min(file.position, bytes.size());
    const std::size_t read = std::min(count, available);
    std::memcpy(buffer, bytes.data() + file.position, read);
    file.position += read;
    return static_cast<long long>(read);
}

bool CFile::WriteOnPlatform(const void* buffer, std::size_t count) {
    OpenedFile& file = OpenedFiles().at(m_handle);
    if (!file.writable) {
        m_error = FileError::denied;
        return false;
    }
    std::vector<unsigned char>& bytes = Files()[file.path];
    bytes.resize(std::max(bytes.size(), file.position + count));
    std::memcpy(bytes.data() + file.position, buffer, count);
    file.position += count;
    return true;
}

bool CFile::FlushOnPlatform() {
    return IsOpen();
}

bool CFile::CutOnPlatform(long long length) {
    Files()[OpenedFiles().at(m_handle).path].resize(static_cast<std::size_t>(length));
    return true;
}

bool CFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const OpenedFile file = OpenedFiles().at(m_handle);
    OpenedFiles().erase(m_handle);
    m_handle = kNoFile;
    if (file.writable && StartsWith(file.path, web::kDownloadFolder)) {
        OfferDownload(file.path);
        web::ForgetFile(file.path);
    } else if (file.fetched) {
        web::ForgetFile(file.path);
    }
    return true;
}

bool CFile::Remove(const std::string& path) {
    return !IsOpenedAnywhere(path) && Files().erase(path) != 0;
}

// Every refusal of the page's store is named above; nothing else can go wrong in memory.
std::string CFile::PlatformErrorText() const {
    return "the page could not do it";
}

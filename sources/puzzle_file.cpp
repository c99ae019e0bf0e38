#include "puzzle_file.h"

#include "framework/file.h"

#include <cstring>

const char* const kPuzzleFileFilter = "SuDoKu Files (*.sud)|*.sud|All Files (*.*)|*.*||";
const char* const kPuzzleFileExtension = "sud";
const char* const kPuzzleFileOpenName = "*.sud";
const char* const kPuzzleFileFolder = ".\\Kestrova";

namespace {

bool WriteValues(CFile& file, const PuzzleFileValues& values) {
    const bool written = file.Write(values, kPuzzleFileLength) && file.Flush();
    return file.Close() && written;
}

// Only where nothing of that name exists, or where the platform cannot tell what is there, so
// that such a file is never overwritten.
bool WriteNewFile(const std::string& path, const PuzzleFileValues& values) {
    CFile file;
    if (!file.Open(path, CFile::modeCreateNew)) {
        return false;
    }
    if (WriteValues(file, values)) {
        return true;
    }
    CFile::Remove(path);
    return false;
}

// The new bytes go to a temporary file beside the old one, which they replace only once they are
// on the disk: a failed write leaves the old file whole.
bool ReplaceFileContents(const std::string& path, const PuzzleFileValues& values) {
    CFile file;
    std::string temporary;
    if (!file.OpenTemporaryBeside(path, temporary)) {
        // A folder that takes no new file still lets its files be written; the old bytes cannot
        // be kept aside then.
        return file.Open(path, CFile::modeCreate) && WriteValues(file, values);
    }
    if (WriteValues(file, values) && CFile::Replace(temporary, path)) {
        return true;
    }
    CFile::Remove(temporary);
    return false;
}

} // namespace

bool ReadPuzzleFile(const std::string& path, PuzzleFileValues& values) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return false;
    }
    std::memset(values, 0, kPuzzleFileLength);
    return file.Read(values, kPuzzleFileLength) >= 0;
}

bool WritePuzzleFile(const std::string& path, const PuzzleFileValues& values) {
    CFileStatus target;
    if (!CFile::GetStatus(path, target)) {
        return WriteNewFile(path, values);
    }
    // A read-only file is protected by its user. A file with a second name would be parted from
    // it by the replace. The file a link leads to is replaced, not the link.
    if (target.m_readOnly || target.m_names > 1) {
        return false;
    }
    return ReplaceFileContents(target.m_realPath, values);
}

std::string ProposedFileName(const CBoard& start, const CBoard& board) {
    if (start.IdentityCrc() == board.IdentityCrc()) {
        return HashPair(board) + ".sud";
    }
    return HashPair(start) + " - " + HashPair(board) + ".sud";
}

#include "puzzle_file.h"

#include "framework/file.h"

#include <cstring>

const char* const kPuzzleFileFilter = "SuDoKu Files (*.sud)|*.sud|All Files (*.*)|*.*||";
const char* const kPuzzleFileExtension = "sud";
const char* const kPuzzleFileOpenName = "*.sud";
const char* const kPuzzleFileFolder = ".\\Kestrova";

namespace {

// One sequence for a new file and an old one: the cut ends a longer old file after the values.
bool PutValues(CFile& file, const PuzzleFileValues& values) {
    return file.Write(values, kPuzzleFileLength) && file.Flush() && file.Cut(kPuzzleFileLength);
}

bool WriteNewFile(const std::string& path, const PuzzleFileValues& values, std::string& whyNot) {
    CFile file;
    if (!file.Open(path, CFile::modeCreateNew)) {
        whyNot = file.ErrorText();
        return false;
    }
    if (PutValues(file, values) && file.Close()) {
        return true;
    }
    whyNot = file.ErrorText();
    file.Close();
    CFile::Remove(path);
    return false;
}

// Puts the bytes a file started with back, and its length when it was shorter than the values.
void PutBack(CFile& file, const unsigned char* old, long long oldLength) {
    if (file.SeekToStart() && file.Write(old, static_cast<std::size_t>(oldLength)) &&
        (oldLength == static_cast<long long>(kPuzzleFileLength) || file.Cut(oldLength))) {
        file.Flush();
    }
}

// Written over the file's own bytes, so that the file itself stays, with everything the platform
// keeps on it. Its first bytes are kept aside until the new ones are on the disk.
bool OverwriteFile(CFile& file, const PuzzleFileValues& values, std::string& whyNot) {
    unsigned char old[kPuzzleFileLength];
    const long long oldLength = file.Read(old, sizeof old);
    if (oldLength < 0 || !file.SeekToStart()) {
        whyNot = file.ErrorText();
        return false;
    }
    if (PutValues(file, values) && file.Close()) {
        return true;
    }
    whyNot = file.ErrorText();
    if (file.IsOpen()) {
        PutBack(file, old, oldLength);
    }
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

bool WritePuzzleFile(const std::string& path, const PuzzleFileValues& values, std::string& whyNot) {
    CFile file;
    if (file.Open(path, CFile::modeReadWrite)) {
        return OverwriteFile(file, values, whyNot);
    }
    if (file.Error() != FileError::notFound) {
        whyNot = file.ErrorText();
        return false;
    }
    return WriteNewFile(path, values, whyNot);
}

std::string ProposedFileName(const CBoard& start, const CBoard& board) {
    if (start.IdentityCrc() == board.IdentityCrc()) {
        return HashPair(board) + ".sud";
    }
    return HashPair(start) + " - " + HashPair(board) + ".sud";
}

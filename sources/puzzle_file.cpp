#include "puzzle_file.h"

#include "framework/file.h"

#include <cstdio>
#include <cstring>

const char* const kPuzzleFileFilter = "SuDoKu Files (*.sud)|*.sud|All Files (*.*)|*.*||";
const char* const kPuzzleFileExtension = "sud";
const char* const kPuzzleFileOpenName = "*.sud";
const char* const kPuzzleFileFolder = ".\\Kestrova";

namespace {

const char* const kShortNameFormat = "%8X-%8X.sud";
const char* const kLongNameFormat = "%8X-%8X - %8X-%8X.sud";
const char* const kTemporarySuffix = ".kestrova-tmp";

bool WriteWholeFile(const std::string& path, const PuzzleFileValues& values) {
    CFile file;
    if (!file.Open(path, CFile::modeCreate)) {
        return false;
    }
    const bool written = file.Write(values, kPuzzleFileLength) && file.Flush();
    return file.Close() && written;
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
    const std::string temporary = path + kTemporarySuffix;
    if (WriteWholeFile(temporary, values) && CFile::Rename(temporary, path)) {
        return true;
    }
    CFile::Remove(temporary);
    return false;
}

std::string ProposedFileName(const CBoard& start, const CBoard& board) {
    char name[64];
    if (start.IdentityCrc() == board.IdentityCrc()) {
        std::snprintf(name, sizeof name, kShortNameFormat, board.IdentityCrc(),
                      board.m_fingerprint);
    } else {
        std::snprintf(name, sizeof name, kLongNameFormat, start.IdentityCrc(), start.m_fingerprint,
                      board.IdentityCrc(), board.m_fingerprint);
    }
    return name;
}

#include "library.h"

#include "engine/rows.h"
#include "framework/file.h"

#include <cassert>
#include <climits>

namespace {

const char* const kUnknownError = "Please download Kestrova.exe again. Unknown Error.";
const char* const kLengthError = "Please download Kestrova.exe again. Length Error.";
const char* const kCrcError = "Please download Kestrova.exe again. CRC32 Error.";

} // namespace

LibraryStatus ReadLibraryFile(const std::string& path, unsigned char* buffer, std::size_t length,
                              Crc32 expectedCrc) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return LibraryStatus::UnknownError;
    }
    return ReadLibrary(file, buffer, length, expectedCrc);
}

LibraryStatus ReadLibrary(CFile& file, unsigned char* buffer, std::size_t length,
                          Crc32 expectedCrc) {
    if (!file.SeekFromEnd(static_cast<long long>(length))) {
        return LibraryStatus::UnknownError;
    }
    const long long read = file.Read(buffer, length);
    if (read < 0) {
        return LibraryStatus::UnknownError;
    }
    if (static_cast<std::size_t>(read) < length) {
        return LibraryStatus::LengthError;
    }
    return CrcOf(buffer, length) == expectedCrc ? LibraryStatus::Good : LibraryStatus::CrcError;
}

const char* LibraryErrorText(LibraryStatus status) {
    switch (status) {
    case LibraryStatus::LengthError:
        return kLengthError;
    case LibraryStatus::CrcError:
        return kCrcError;
    default:
        return kUnknownError;
    }
}

int ReducePuzzleNumber(int number) {
    const int remainder = number % kPuzzleNumberCount;
    // For INT_MIN the magnitude would overflow; its remainder stays negative.
    return remainder < 0 && number != INT_MIN ? -remainder : remainder;
}

int PuzzleLine(int reducedNumber) {
    return reducedNumber % kLibraryLineCount;
}

int PuzzleOrientation(int reducedNumber) {
    return reducedNumber / kLibraryLineCount;
}

void SetUpLibraryPuzzle(CBoard& board, const unsigned char* library, int reducedNumber) {
    assert(reducedNumber >= 0 && reducedNumber < kPuzzleNumberCount);
    PlaceRows(board,
              library + static_cast<std::size_t>(PuzzleLine(reducedNumber)) * kLibraryLineLength);

    const int orientation = PuzzleOrientation(reducedNumber);
    if (orientation >= 4) {
        board.Mirror();
    }
    for (int turn = 0; turn < orientation % 4; ++turn) {
        board.Rotate();
    }
}

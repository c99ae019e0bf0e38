// libFuzzer target: the check of the library at the end of the program's file, and the set-up of
// every puzzle of a library that passes it. The input:
//   byte 0      the length of the library (the real one is far too long to fuzz)
//   byte 1      how the expected CRC is chosen: mod 3, 0 takes the true CRC of the file's tail,
//               1 that CRC with the bit selected by byte 2 flipped, 2 bytes 2..5 as they stand;
//               div 3, mod 8, the orientation the puzzles are set up in besides their own
//   bytes 2..5  see byte 1
//   the rest    the program's file

#include "fuzz_checks.h"
#include "sources/library.h"
#include "test_files.h"
#include "tests/engine/reference_crc.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

constexpr std::size_t kHeaderLength = 6;

struct CheckInput {
    std::size_t length;
    Crc32 expectedCrc;
    int orientation;
    std::vector<unsigned char> file;
};

CheckInput CheckInputOf(const std::uint8_t* data, std::size_t size) {
    CheckInput input{data[0], 0, data[1] / 3 % 8,
                     std::vector<unsigned char>(data + kHeaderLength, data + size)};
    const std::size_t tail = std::min(input.length, input.file.size());
    const Crc32 tailCrc =
        ReferenceCrcUpdate(kCrcStart, input.file.data() + input.file.size() - tail, tail);
    const Crc32 givenCrc =
        Crc32{data[2]} | Crc32{data[3]} << 8 | Crc32{data[4]} << 16 | Crc32{data[5]} << 24;
    const Crc32 choices[] = {tailCrc, tailCrc ^ (1u << data[2] % 32), givenCrc};
    input.expectedCrc = choices[data[1] % 3];
    return input;
}

// What the check must find, by the bit-serial CRC: a file shorter than the library cannot be
// read from its end at all.
LibraryStatus ExpectedStatus(const CheckInput& input) {
    if (input.file.size() < input.length) {
        return LibraryStatus::UnknownError;
    }
    const unsigned char* tail = input.file.data() + input.file.size() - input.length;
    return ReferenceCrcUpdate(kCrcStart, tail, input.length) == input.expectedCrc
               ? LibraryStatus::Good
               : LibraryStatus::CrcError;
}

long DigitCount(const CBoard& board) {
    return std::count_if(std::begin(board.m_value), std::end(board.m_value),
                         [](unsigned char v) { return v != 0; });
}

// Turning a puzzle never loses one of its digits: they were placed without conflict before.
void RequireEveryPuzzleSetsUp(const unsigned char* library, std::size_t length, int orientation) {
    const int lines = static_cast<int>(length / kLibraryLineLength);
    for (int line = 0; line < lines; ++line) {
        CBoard board;
        board.Init();
        SetUpLibraryPuzzle(board, library, line);
        RequirePlacedFromRows(board, library + line * kLibraryLineLength);
        const long digits = DigitCount(board);
        board.Init();
        SetUpLibraryPuzzle(board, library, orientation * kLibraryLineCount + line);
        RequireConsistent(board);
        FUZZ_REQUIRE(DigitCount(board) == digits);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderLength) {
        return 0;
    }
    static const TempFolder folder;
    static const std::string path = folder.File("Kestrova.exe");
    const CheckInput input = CheckInputOf(data, size);
    WriteBytes(path, input.file);
    const LibraryStatus expected = ExpectedStatus(input);

    std::vector<unsigned char> library(input.length);
    FUZZ_REQUIRE(ReadLibraryFile(path, library.data(), input.length, input.expectedCrc) ==
                 expected);
    if (expected != LibraryStatus::Good) {
        return 0;
    }
    FUZZ_REQUIRE(std::equal(library.begin(), library.end(),
                            input.file.end() - static_cast<std::ptrdiff_t>(input.length)));
    RequireEveryPuzzleSetsUp(library.data(), input.length, input.orientation);
    return 0;
}

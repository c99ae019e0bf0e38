// libFuzzer target: arbitrary bytes as a puzzle file, as the program file holding the library,
// and as a library line.

#include "sources/library.h"
#include "sources/puzzle_file.h"
#include "test_files.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    const std::string path = folder.File("input");
    const std::vector<unsigned char> bytes(data, data + size);
    WriteBytes(path, bytes);

    CBoard board;
    board.Init();
    PuzzleFileValues values;
    if (ReadPuzzleFile(path, values)) {
        board.PlaceGrid(values);
    }

    unsigned char tail[2 * kLibraryLineLength];
    ReadLibraryFile(path, tail, sizeof tail, 0);

    std::vector<unsigned char> line(bytes);
    line.resize(kLibraryLineLength, '0');
    const int orientation = size > 0 ? data[0] % 8 : 0;
    // Line 0 in the chosen orientation: the only line the buffer holds.
    SetUpLibraryPuzzle(board, line.data(), orientation * kLibraryLineCount);
    return 0;
}

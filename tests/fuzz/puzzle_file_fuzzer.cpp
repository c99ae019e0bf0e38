// libFuzzer target: arbitrary bytes as a puzzle file, loaded as the window loads one.

#include "fuzz_checks.h"
#include "sources/puzzle_file.h"
#include "test_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;
    static const std::string path = folder.File("input.sud");
    WriteBytes(path, std::vector<unsigned char>(data, data + size));

    // Filled beforehand, so that cells the reader leaves alone show up.
    PuzzleFileValues values;
    std::memset(values, 0xA5, sizeof values);
    FUZZ_REQUIRE(ReadPuzzleFile(path, values));
    // The first 81 bytes are the cells; those past the end of a shorter file are empty.
    const std::size_t cells = std::min(size, kPuzzleFileLength);
    FUZZ_REQUIRE(std::equal(data, data + cells, values));
    FUZZ_REQUIRE(
        std::all_of(values + cells, std::end(values), [](unsigned char v) { return v == 0; }));

    CBoard board;
    board.Init();
    board.PlaceGrid(values);
    RequirePlacedFrom(board, values);
    return 0;
}

#include "made_up_library.h"

#include "sources/library.h"

int MadeUpDigit(int line, int c, int r) {
    if (r == 0 && c == 0) {
        return 1;
    }
    if (r == 0 && c == 1) {
        return 2;
    }
    if (r == 2 && c == 0) {
        return 3;
    }
    if (r == 8 && c == 8) {
        return 1 + line % 9;
    }
    if (r == 4 && c == 4) {
        return 1 + (line / 9) % 9;
    }
    return 0;
}

std::vector<unsigned char> MadeUpLibrary() {
    std::vector<unsigned char> library;
    library.reserve(kLibraryLength);
    for (int line = 0; line < kLibraryLineCount; ++line) {
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                library.push_back(static_cast<unsigned char>('0' + MadeUpDigit(line, c, r)));
            }
        }
        library.push_back('\r');
        library.push_back('\n');
    }
    return library;
}

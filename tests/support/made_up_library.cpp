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
        for (int k = 0; k < 81; ++k) {
            library.push_back(static_cast<unsigned char>('0' + MadeUpDigit(line, k % 9, k / 9)));
        }
        library.push_back('\r');
        library.push_back('\n');
    }
    return library;
}

#include "library_command.h"

#include "engine/rows.h"
#include "framework/file.h"
#include "library_crc.h"
#include "sources/library.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

// A whole signed 32-bit decimal number, or false.
bool ParseNumber(const std::string& text, int& number) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) {
        return false;
    }
    number = static_cast<int>(value);
    return true;
}

std::string DescribePuzzle(const std::string& text, int reduced, const unsigned char* library) {
    CBoard board;
    board.Init();
    SetUpLibraryPuzzle(board, library, reduced);
    return text + "\t" + std::to_string(reduced) + "\t" + RowsOf(board) + "\t" + HashPair(board);
}

} // namespace

int RunLibraryCommand(const std::vector<std::string>& words) {
    std::string path = "Kestrova.exe";
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--from" && i + 1 < words.size()) {
            path = words[++i];
        } else {
            numbers.push_back(words[i]);
        }
    }
    if (numbers.empty()) {
        std::cerr << "kestrova-cli: library needs at least one puzzle number\n";
        return 2;
    }
    // The library is the file's last bytes, so the library text itself serves as well.
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        std::cerr << "kestrova-cli: cannot open " << path << ": " << file.ErrorText() << "\n";
        return 2;
    }
    const auto library = std::make_unique<unsigned char[]>(kLibraryLength);
    if (ReadLibrary(file, library.get(), kLibraryLength, kLibraryCrc) != LibraryStatus::Good) {
        std::cerr << "kestrova-cli: " << path
                  << " does not end with this program's puzzle library\n";
        return 2;
    }
    int status = 0;
    std::cout << "#number\treduced\tpuzzle\tcrc-fingerprint\n";
    for (const std::string& text : numbers) {
        int number = 0;
        if (!ParseNumber(text, number)) {
            std::cerr << "kestrova-cli: '" << text << "' is not a 32-bit integer (skipped)\n";
            status = 1;
            continue;
        }
        const int reduced = ReducePuzzleNumber(number);
        if (reduced < 0) {
            std::cerr << "kestrova-cli: " << text << " reduces to " << reduced
                      << ", which designates no puzzle (skipped)\n";
            status = 1;
            continue;
        }
        std::cout << DescribePuzzle(text, reduced, library.get()) << '\n';
    }
    return status;
}

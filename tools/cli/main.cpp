// kestrova-cli: the program's own search and puzzle library, without the window.
#include "batch_runner.h"
#include "build_info.h"
#include "framework/command_line.h"
#include "framework/file.h"
#include "library_command.h"
#include "puzzle_input.h"
#include "sources/library.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kHelp[] =
    R"(Usage:
  kestrova-cli [-j N] solve [FILE|-]
  kestrova-cli [-j N] prove [FILE|-]
  kestrova-cli library [--from FILE] NUMBER...
  kestrova-cli --help
  kestrova-cli --version

solve, prove
  Read one puzzle per line from FILE, or from standard input when FILE is '-' or missing:
  81 characters row by row, '0' or '.' for an empty cell. Blank lines and lines starting
  with '#' are skipped. Each puzzle is set up as the player sets up a library puzzle and
  searched by the player's own search: solve stops at the first solution, prove at the
  second distinct one or when every line of search is exhausted. A given that conflicts with
  one before it in reading order is left out, as the player leaves it out, with a warning.
  Output: a header line starting with '#', then one tab-separated line per puzzle, in input
  order: input line number, number of solutions found, the final board as 81 digits row by
  row, its identity CRC and fingerprint (%08X), positions visited, maximum depth, drains
  (times a level entered a cell), the trace digest (CRC of the identity CRC at every drain,
  %08X) and milliseconds.
  -j N  search on N threads; the output keeps the input order.

library
  Print the puzzle each NUMBER designates, after reducing it as the player does (|n| mod
  293024, then line n mod 36628 in orientation n div 36628), as 81 digits row by row with
  its identity CRC and fingerprint ("%8X-%8X"). The library is read from FILE: the
  executable Kestrova.exe (its last 3040124 bytes) or the library text itself; by default
  Kestrova.exe in the current folder.

--version
  Print the version, and the commit the program was built from where it is known.

Exit status: 0 when every input line was good, 1 when some were skipped (each reported on
standard error with its line number), 2 for a usage error.
)";

static_assert(kLibraryLineCount == 36628 && kPuzzleNumberCount == 293024 &&
                  kLibraryLength == 3040124,
              "the help spells the library's shape out");

struct Arguments {
    int threads = 1;
    std::vector<std::string> words;
};

int UsageError(const std::string& message) {
    std::cerr << "kestrova-cli: " << message << "\nTry 'kestrova-cli --help'.\n";
    return 2;
}

bool ParseThreads(const std::string& text, int& threads) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 256) {
        return false;
    }
    threads = static_cast<int>(value);
    return true;
}

// Takes -j N (or -jN) from anywhere among the words after the program's name; false on a
// malformed count.
bool SplitArguments(const std::vector<std::string>& argv, Arguments& args) {
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string& word = argv[i];
        if (word == "-j") {
            if (i + 1 >= argv.size() || !ParseThreads(argv[++i], args.threads)) {
                return false;
            }
        } else if (word.rfind("-j", 0) == 0 && word.size() > 2) {
            if (!ParseThreads(word.substr(2), args.threads)) {
                return false;
            }
        } else {
            args.words.push_back(word);
        }
    }
    return true;
}

// "kestrova-cli 1.0.0 (commit 1a2b3c4)", or without the commit where the build did not know it.
std::string VersionLine() {
    std::string line = "kestrova-cli " KESTROVA_VERSION;
    const std::string commit = KESTROVA_COMMIT;
    if (!commit.empty()) {
        line += " (commit " + commit + ")";
    }
    return line + "\n";
}

// The whole file, read through the platform's own file access, which takes UTF-8 names.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& whyNot) {
    CFile file;
    char chunk[65536];
    long long read = 0;
    if (file.Open(path, CFile::modeRead)) {
        while ((read = file.Read(chunk, sizeof chunk)) > 0) {
            text.append(chunk, static_cast<std::size_t>(read));
        }
    }
    whyNot = file.ErrorText();
    return file.IsOpen() && read == 0;
}

int RunSearches(const Arguments& args, bool stopAtFirst) {
    if (args.words.size() > 2) {
        return UsageError("solve and prove take at most one file");
    }
    const std::string path = args.words.size() == 2 ? args.words[1] : "-";
    PuzzleInput input;
    if (path == "-") {
        input = ReadPuzzleLines(std::cin);
    } else {
        std::string text;
        std::string whyNot;
        if (!ReadWholeFile(path, text, whyNot)) {
            return UsageError("cannot open " + path + ": " + whyNot);
        }
        std::istringstream lines(text);
        input = ReadPuzzleLines(lines);
    }
    for (const std::string& problem : input.problems) {
        std::cerr << "kestrova-cli: " << problem << " (skipped)\n";
    }
    for (const std::string& warning : input.warnings) {
        std::cerr << "kestrova-cli: warning: " << warning << "\n";
    }
    RunBatch(input.puzzles, stopAtFirst, args.threads, std::cout);
    return input.problems.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!SplitArguments(CommandLineArguments(argc, argv), args)) {
        return UsageError("-j needs a thread count from 1 to 256");
    }
    if (args.words.empty()) {
        return UsageError("no command given");
    }
    const std::string& command = args.words[0];
    if (command == "--help" || command == "-h") {
        std::cout << kHelp;
        return 0;
    }
    if (command == "--version") {
        std::cout << VersionLine();
        return 0;
    }
    if (command == "solve" || command == "prove") {
        return RunSearches(args, command == "solve");
    }
    if (command == "library") {
        return RunLibraryCommand(
            std::vector<std::string>(args.words.begin() + 1, args.words.end()));
    }
    return UsageError("unknown command '" + command + "'");
}

// libgen: finds 17-given puzzles from the seeds and builds and checks the library text.

#include "canonical.h"
#include "discovery.h"
#include "library.h"
#include "solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace libgen;

int Usage() {
    std::cerr
        << "usage:\n"
           "  libgen count PUZZLE [LIMIT]      solutions of an 81-digit puzzle, up to LIMIT\n"
           "  libgen canon PUZZLE              its canonical form\n"
           "  libgen discover STATE [--two-swaps N] [--max-classes N] [--newest-first]\n"
           "                                   find classes, resuming from STATE if it exists\n"
           "  libgen build STATE OUT [--seed S] write the library text made from STATE\n"
           "  libgen check LIBRARY             check a library text\n";
    return 2;
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Writes beside the target and renames, so an interrupted run never leaves half a file.
bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!(out << content)) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::optional<std::size_t> ParseNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    try {
        return std::stoull(text);
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

std::optional<std::size_t> OptionValue(const std::vector<std::string>& args, const char* name,
                                       std::size_t fallback) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name) {
            return ParseNumber(args[i + 1]);
        }
    }
    return fallback;
}

std::optional<Grid> PuzzleArgument(const std::vector<std::string>& args) {
    return args.size() >= 2 ? ParseGrid(args[1]) : std::nullopt;
}

int Count(const std::vector<std::string>& args) {
    const auto puzzle = PuzzleArgument(args);
    const auto limit = args.size() >= 3 ? ParseNumber(args[2]) : std::optional<std::size_t>(2);
    if (!puzzle || !limit) {
        return Usage();
    }
    std::cout << CountSolutions(*puzzle, static_cast<int>(*limit)) << '\n';
    return 0;
}

int Canon(const std::vector<std::string>& args) {
    const auto puzzle = PuzzleArgument(args);
    if (!puzzle) {
        return Usage();
    }
    std::cout << FormatGrid(CanonicalForm(*puzzle)) << '\n';
    return 0;
}

bool LoadStore(const std::string& path, ClassStore& store) {
    std::ifstream in(path);
    if (!in) {
        return true; // a fresh start
    }
    if (store.Read(in)) {
        return true;
    }
    std::cerr << path << ": not a discovery state\n";
    return false;
}

int Discover(const std::vector<std::string>& args) {
    const auto twoSwaps = OptionValue(args, "--two-swaps", 0);
    const auto maxClasses = OptionValue(args, "--max-classes", 0);
    if (args.size() < 2 || !twoSwaps || !maxClasses) {
        return Usage();
    }
    const bool newestFirst = std::find(args.begin(), args.end(), "--newest-first") != args.end();
    const TwoSwapOrder order = newestFirst ? TwoSwapOrder::NewestFirst : TwoSwapOrder::OldestFirst;
    const std::string& path = args[1];
    ClassStore store;
    if (!LoadStore(path, store)) {
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    bool saved = true;
    Explore(store, {*twoSwaps, *maxClasses, order}, [&] {
        std::ostringstream state;
        store.Write(state);
        saved = WriteFileAtomically(path, state.str()) && saved;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::cout << static_cast<long>(seconds) << " s: " << store.Entries().size() << " classes, "
                  << store.TwoSwapsDone() << " two-swaps" << std::endl;
    });
    if (!saved) {
        std::cerr << path << ": could not write the state\n";
    }
    return saved ? 0 : 1;
}

int Build(const std::vector<std::string>& args) {
    const auto seed = OptionValue(args, "--seed", 1);
    if (args.size() < 3 || !seed) {
        return Usage();
    }
    ClassStore store;
    std::ifstream in(args[1]);
    if (!in || !store.Read(in)) {
        std::cerr << args[1] << ": not a discovery state\n";
        return 1;
    }
    std::vector<Grid> classes;
    for (const ClassStore::Entry& entry : store.Entries()) {
        classes.push_back(entry.canonical);
    }
    const std::string text = BuildLibraryText(classes, kLibraryLineCount, *seed);
    if (const auto fault = FindLibraryFault(text, kLibraryLineCount)) {
        std::cerr << "the built library is faulty: " << *fault << '\n';
        return 1;
    }
    if (!WriteFileAtomically(args[2], text)) {
        std::cerr << args[2] << ": could not write\n";
        return 1;
    }
    std::cout << kLibraryLineCount << " lines from " << classes.size() << " classes\n";
    return 0;
}

int Check(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return Usage();
    }
    const auto text = ReadFile(args[1]);
    if (!text) {
        std::cerr << args[1] << ": cannot read\n";
        return 1;
    }
    if (const auto fault = FindLibraryFault(*text, kLibraryLineCount)) {
        std::cerr << args[1] << ": " << *fault << '\n';
        return 1;
    }
    std::cout << args[1] << ": good, " << CountClasses(*text) << " essentially different puzzles\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return Usage();
    }
    const std::string& command = args[0];
    if (command == "count") {
        return Count(args);
    }
    if (command == "canon") {
        return Canon(args);
    }
    if (command == "discover") {
        return Discover(args);
    }
    if (command == "build") {
        return Build(args);
    }
    if (command == "check") {
        return Check(args);
    }
    return Usage();
}

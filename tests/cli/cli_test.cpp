// kestrova-cli as a user runs it: input handling, output order and exit statuses.
#include "run_program.h"
#include "test_files.h"
#include "tools/cli/puzzle_input.h"

#include "framework/file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kPuzzle =
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000";
const std::string kSolution =
    "924685731671423859385971426457168392293754618168392574519847263832516947746239185";

TEST(PuzzleInput, SkipsBlankAndCommentLinesAndReportsBadOnes) {
    std::istringstream in("# header\n\n" + kPuzzle + "\r\n   \n" + kPuzzle.substr(1) + "\n" +
                          kPuzzle.substr(0, 80) + "x\n" + std::string(81, '.') + "\n");
    const PuzzleInput input = ReadPuzzleLines(in);
    ASSERT_EQ(2u, input.puzzles.size());
    EXPECT_EQ(3, input.puzzles[0].lineNumber);
    EXPECT_EQ(kPuzzle, input.puzzles[0].rows);
    EXPECT_EQ(7, input.puzzles[1].lineNumber);
    ASSERT_EQ(2u, input.problems.size());
    EXPECT_EQ("line 5: expected 81 characters, found 80", input.problems[0]);
    EXPECT_EQ("line 6: character 81 is neither a digit nor '.'", input.problems[1]);
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string TextOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

CliRun RunCli(const std::string& arguments, const std::string& input) {
    // A folder of each run's own: ctest runs the cases side by side.
    const TempFolder folder;
    const std::string inputPath = folder.File("input.txt");
    const std::string outputPath = folder.File("output.txt");
    const std::string errorPath = folder.File("errors.txt");
    std::ofstream(inputPath, std::ios::binary) << input;
    const int status = RunProgram(std::string(KESTROVA_CLI) + " " + arguments + " < " + inputPath +
                                      " > " + outputPath,
                                  errorPath);
    return {status, TextOf(outputPath), TextOf(errorPath)};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        // Standard error is a text stream on Windows.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(KestrovaCli, SolvesEveryLineInInputOrderOnSeveralThreads) {
    // Four puzzles on two threads: at least one thread searches twice.
    std::string input;
    for (int i = 0; i < 8; ++i) {
        input += (i % 2 ? kSolution : kPuzzle) + "\n";
    }
    const CliRun run = RunCli("-j 2 solve -", input);
    EXPECT_EQ(0, run.status);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(9u, lines.size());
    EXPECT_EQ(0u, lines[0].rfind("#line\tsolutions\tboard\t", 0));
    for (int i = 1; i <= 8; ++i) {
        const std::string expected =
            std::to_string(i) + (i % 2 ? "\t1\t" + kSolution : "\t0\t" + kSolution);
        EXPECT_EQ(expected, lines[i].substr(0, expected.size()));
    }
    // Whichever thread searched a puzzle after whatever else, all but its time agree.
    const auto figures = [&](std::size_t i) { return lines[i].substr(1, lines[i].rfind('\t')); };
    for (std::size_t i = 3; i <= 7; i += 2) {
        EXPECT_EQ(figures(1), figures(i));
    }
}

TEST(KestrovaCli, ExitStatusTellsSkippedLinesFromUsageErrors) {
    EXPECT_EQ(0, RunCli("prove", kPuzzle + "\n").status);
    const CliRun skipped = RunCli("solve", kPuzzle + "\nnot a puzzle\n");
    EXPECT_EQ(1, skipped.status);
    EXPECT_EQ(2u, Lines(skipped.out).size());
    EXPECT_EQ(2, RunCli("unknown", "").status);
    EXPECT_EQ(2, RunCli("-j 0 solve", "").status);
    EXPECT_EQ(2, RunCli("solve a b", "").status);
    EXPECT_EQ(0, RunCli("--help", "").status);
    const CliRun library =
        RunCli(std::string("library --from ") + KESTROVA_LIBRARY_TEXT + " 0", "");
    EXPECT_EQ(0, library.status);
    EXPECT_EQ(2u, Lines(library.out).size());
}

// Writes a file under a UTF-8 name through the program's own file access, which takes such
// names on every platform.
void WriteFileNamed(const std::string& path, const std::string& bytes) {
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreateNew)) << path;
    ASSERT_TRUE(file.Write(bytes.data(), bytes.size()));
}

// Names outside the ANSI code page and inside it but not ASCII, files that cannot be opened, and
// a puzzle whose givens conflict.
TEST(KestrovaCli, OpensFilesByTheirOwnNamesAndTellsWhatIsWrong) {
    const TempFolder temp;
    const std::string folder = temp.File("\u0444\u0430\u0439\u043B\u044B/");
    std::filesystem::create_directories(std::filesystem::u8path(folder + "caf\u00E9"));
    const std::string puzzles = folder + "\u043F\u0430\u0437\u043B.txt";
    const std::string library = folder + "caf\u00E9/Kestrova.exe";
    const std::string missing = folder + "missing.txt";
    // The comment between the two puzzles makes the warning's line number differ from the count
    // of puzzles read.
    WriteFileNamed(puzzles, kPuzzle + "\n# another\n" + "2" + kPuzzle.substr(1) + "\n");
    WriteFileNamed(library, TextOf(KESTROVA_LIBRARY_TEXT));

    struct Case {
        std::string arguments;
        int status;
        std::size_t outLines;
        std::string err; // the first line of standard error
    };
    const Case cases[] = {
        {"solve \"" + puzzles + "\"", 0, 3,
         "kestrova-cli: warning: line 3: 1 given(s) conflict with earlier ones and are left out"},
        {"library --from \"" + library + "\" 0", 0, 2, ""},
        {"solve \"" + missing + "\"", 2, 0,
         "kestrova-cli: cannot open " + missing + ": there is no such file or folder"},
        {"library --from \"" + missing + "\" 0", 2, 0,
         "kestrova-cli: cannot open " + missing + ": there is no such file or folder"},
        {"library --from \"" + puzzles + "\" 0", 2, 0,
         "kestrova-cli: " + puzzles + " does not end with this program's puzzle library"},
    };
    for (const Case& run : cases) {
        const CliRun result = RunCli(run.arguments, "");
        EXPECT_EQ(run.status, result.status) << run.arguments;
        EXPECT_EQ(run.err, Lines(result.err).empty() ? "" : Lines(result.err)[0]) << run.arguments;
        EXPECT_EQ(run.outLines, Lines(result.out).size()) << run.arguments;
    }
}

} // namespace

// kestrova-cli as a user runs it: input handling, output order and exit statuses.
#include "run_program.h"
#include "tools/cli/puzzle_input.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(input.puzzles.size(), 2u);
    EXPECT_EQ(input.puzzles[0].lineNumber, 3);
    EXPECT_EQ(input.puzzles[0].rows, kPuzzle);
    EXPECT_EQ(input.puzzles[1].lineNumber, 7);
    ASSERT_EQ(input.problems.size(), 2u);
    EXPECT_EQ(input.problems[0], "line 5: expected 81 characters, found 80");
    EXPECT_EQ(input.problems[1], "line 6: character 81 is neither a digit nor '.'");
}

struct CliRun {
    int status;
    std::string out;
};

CliRun RunCli(const std::string& arguments, const std::string& input) {
    const std::string inputPath = testing::TempDir() + "kestrova_cli_input.txt";
    const std::string outputPath = testing::TempDir() + "kestrova_cli_output.txt";
    std::ofstream(inputPath, std::ios::binary) << input;
    const int status = RunProgram(std::string(KESTROVA_CLI) + " " + arguments + " < " + inputPath +
                                  " > " + outputPath);
    std::ifstream output(outputPath, std::ios::binary);
    std::stringstream text;
    text << output.rdbuf();
    return {status, text.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(KestrovaCli, SolvesEveryLineInInputOrderOnSeveralThreads) {
    std::string input;
    for (int i = 0; i < 6; ++i) {
        input += (i % 2 ? kSolution : kPuzzle) + "\n";
    }
    const CliRun run = RunCli("-j 3 solve -", input);
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].rfind("#line\tsolutions\tboard\t", 0), 0u);
    for (int i = 1; i <= 6; ++i) {
        const std::string expected =
            std::to_string(i) + (i % 2 ? "\t1\t" + kSolution : "\t0\t" + kSolution);
        EXPECT_EQ(lines[i].substr(0, expected.size()), expected);
    }
}

TEST(KestrovaCli, ExitStatusTellsSkippedLinesFromUsageErrors) {
    EXPECT_EQ(RunCli("prove", kPuzzle + "\n").status, 0);
    const CliRun skipped = RunCli("solve", kPuzzle + "\nnot a puzzle\n");
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(Lines(skipped.out).size(), 2u);
    EXPECT_EQ(RunCli("unknown", "").status, 2);
    EXPECT_EQ(RunCli("-j 0 solve", "").status, 2);
    EXPECT_EQ(RunCli("solve a b", "").status, 2);
    EXPECT_EQ(RunCli("--help", "").status, 0);
}

} // namespace

// libFuzzer target: arbitrary text typed into the puzzle-number box and confirmed with OK, and
// the puzzle number it then stands for.

#include "framework/headless/headless.h"
#include "fuzz_checks.h"
#include "resources/resource.h"
#include "sources/library.h"
#include "ui/about_dlg.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The box hands over no more of its text than this.
constexpr std::size_t kTextTaken = 63;
constexpr int kNumberBefore = 4242;

// The C library's reading of a decimal number (leading blanks, a sign, the digits, the rest
// ignored), refused when it reads no digit or leaves the range of int.
bool ReferenceReading(const std::string& text, int& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || number < INT_MIN || number > INT_MAX) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

// |n| mod the number of puzzles; only INT_MIN, whose magnitude no int holds, stays outside.
void RequireReducedIntoRange(int number) {
    const int reduced = ReducePuzzleNumber(number);
    if (number == INT_MIN) {
        FUZZ_REQUIRE(reduced < 0);
    } else {
        FUZZ_REQUIRE(reduced == std::llabs(static_cast<long long>(number)) % kPuzzleNumberCount);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    headless::Reset();
    // A refused text keeps the box open; with no further step it is then cancelled.
    headless::ScriptDialog({IDD_ABOUTBOX, {{IDC_PUZZLE_NUMBER, text}}, IDOK});
    CAboutDlg box;
    box.m_puzzleNumber = kNumberBefore;
    const bool accepted = box.DoModal() == IDOK;

    int expected = kNumberBefore;
    FUZZ_REQUIRE(accepted == ReferenceReading(text.substr(0, kTextTaken), expected));
    FUZZ_REQUIRE(box.m_puzzleNumber == expected);
    FUZZ_REQUIRE(headless::MessageBoxes().size() == (accepted ? 0u : 1u));
    if (accepted) {
        RequireReducedIntoRange(box.m_puzzleNumber);
    }
    return 0;
}

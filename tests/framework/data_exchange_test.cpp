#include "framework/dialog.h"
#include "framework/headless/headless.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DialogInteger, TakesAnOptionalSignAndTheDigitsAfterLeadingBlanks) {
    const std::pair<const char*, int> cases[] = {
        {"12abc", 12},
        {" -7", -7},
        {"\t+5 ", 5},
        {"007", 7},
        {"-0", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"  42 17", 42},
    };
    for (const auto& [text, expected] : cases) {
        int value = 99;
        EXPECT_TRUE(ParseDialogInteger(text, value)) << text;
        EXPECT_EQ(expected, value) << text;
    }
}

TEST(DialogInteger, RefusesTextWithoutANumberAndNumbersOutOfRange) {
    for (const char* text : {"", "   ", "abc", "-", "+", "- 7", "x12", "2147483648", "-2147483649",
                             "99999999999999999999999"}) {
        int value = 99;
        EXPECT_FALSE(ParseDialogInteger(text, value)) << text;
        EXPECT_EQ(99, value) << text;
    }
}

// A dialog with one integer bound to control 7.
class NumberDialog : public CDialog {
public:
    NumberDialog() : CDialog(42) {}
    int m_number = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 7, m_number); }
};

TEST(IntegerExchange, ShowsTheNumberAndTakesOnlyTheFirst63Characters) {
    headless::Reset();
    NumberDialog dialog;
    headless::AttachedWindow window(dialog);
    dialog.m_number = -12;
    dialog.UpdateData(FALSE);
    EXPECT_EQ("-12", headless::ControlText(dialog, 7));

    // 63 blanks push the digits past what is read.
    dialog.SetDlgItemText(7, std::string(63, ' ') + "8");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    dialog.SetDlgItemText(7, std::string(62, ' ') + "8");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(8, dialog.m_number);
}

TEST(IntegerExchange, RefusalTellsTheUserAndSelectsTheText) {
    headless::Reset();
    NumberDialog dialog;
    headless::AttachedWindow window(dialog);
    dialog.SetDlgItemText(7, "many");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(5, dialog.m_number);
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ("Please enter an integer.", headless::MessageBoxes()[0].text);
    EXPECT_EQ(7, headless::SelectedAllControl(dialog));
}

} // namespace

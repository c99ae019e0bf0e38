#include "framework/headless/headless.h"
#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

namespace {

TEST(WaitCursor, NestedWaitsShowTheHourglassUntilTheLastEnds) {
    headless::Reset();
    CWaitCursor::Begin();
    CWaitCursor::Begin();
    EXPECT_EQ(2, CWaitCursor::Count());
    CWaitCursor::End();
    EXPECT_TRUE(headless::WaitCursorShown());
    CWaitCursor::End();
    EXPECT_EQ(0, CWaitCursor::Count());
    EXPECT_FALSE(headless::WaitCursorShown());
}

TEST(WaitCursor, RestoreShowsTheHourglassOnlyDuringAWait) {
    headless::Reset();
    CWaitCursor::Restore();
    EXPECT_FALSE(headless::WaitCursorShown());
    CWaitCursor::Begin();
    CWaitCursor::End();
    CWaitCursor::Restore();
    EXPECT_FALSE(headless::WaitCursorShown());
    CWaitCursor::Begin();
    CWaitCursor::Restore();
    EXPECT_TRUE(headless::WaitCursorShown());
    CWaitCursor::End();
}

// As before the first wait of the program, when the save command restores the cursor.
TEST(WaitCursor, NoRememberedCursorLeavesTheArrowNotAHiddenPointer) {
    headless::Reset();
    headless::HideCursor();
    CWaitCursor::Begin();
    CWaitCursor::End();
    EXPECT_FALSE(headless::CursorHidden());
    CWaitCursor::Restore();
    EXPECT_FALSE(headless::CursorHidden());
}

TEST(WaitCursor, AnUnmatchedEndDoesNotDriveTheCountBelowZero) {
    headless::Reset();
    CWaitCursor::End();
    EXPECT_EQ(0, CWaitCursor::Count());
    CWaitCursor::Begin();
    EXPECT_TRUE(headless::WaitCursorShown());
    CWaitCursor::End();
    EXPECT_FALSE(headless::WaitCursorShown());
}

} // namespace

#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/headless/headless.h"
#include "framework/message_pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Logs what reaches its handlers. The left button sends m_nestedKey to itself, as a handler that
// pumps messages would, after asking for the default processing if its flags hold
// kDefaultFirst; the key 'D' asks for the default processing itself.
class LoggingDialog : public CDialog {
public:
    static constexpr UINT kDefaultFirst = 2;

    LoggingDialog() : CDialog(77) {}

    std::vector<std::string> m_log;
    int m_number = 0;
    UINT m_nestedKey = 'A';

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 3, m_number); }
    void OnLButtonDown(UINT flags, CPoint point) override {
        m_log.push_back("left " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
                        std::to_string(point.y));
        if (flags & kDefaultFirst) {
            Default();
        }
        headless::SendMessage(*this, WM_KEYDOWN, m_nestedKey, MAKELPARAM(1, 0));
    }
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override {
        m_log.push_back("key " + std::to_string(key) + " " + std::to_string(repeatCount));
        if (key == 'D') {
            CDialog::OnKeyDown(key, repeatCount, flags);
        }
    }
    void OnPaint() override {
        CPaintDC dc(this);
        dc.TextOut(1, 2, "painted");
    }
};

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { headless::Reset(); }
};

TEST_F(Dispatch, MessagesReachTheirHandlersWithTheirArguments) {
    LoggingDialog dialog;
    headless::AttachedWindow window(dialog);
    headless::SendMessage(dialog, WM_LBUTTONDOWN, 1, MAKELPARAM(-430, 505));
    EXPECT_EQ((std::vector<std::string>{"left 1 -430,505", "key 65 1"}), dialog.m_log);
}

TEST_F(Dispatch, EachMessageKeepsItsOwnDefaultRequestAcrossOneHandledInside) {
    LoggingDialog dialog;
    headless::AttachedWindow window(dialog);
    // The left button asks before the key inside, which does not ask; then the other way round.
    // A command the dialog does not know is the platform's.
    headless::SendMessage(dialog, WM_LBUTTONDOWN, LoggingDialog::kDefaultFirst, 0);
    dialog.m_nestedKey = 'D';
    headless::SendMessage(dialog, WM_LBUTTONDOWN, 0, 0);
    headless::SendMessage(dialog, WM_COMMAND, 1234, 0);
    EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN, WM_COMMAND}),
              headless::DefaultedMessages());
}

TEST_F(Dispatch, TheCloseBoxCancelsAPlainDialog) {
    LoggingDialog dialog;
    // The low four bits of a system command do not matter.
    headless::PostCallback(
        [&dialog] { headless::SendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE | 0x2); });
    bool ranAfterClose = false;
    headless::PostCallback([&ranAfterClose] { ranAfterClose = true; });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(ranAfterClose);
    EXPECT_EQ(1u, headless::QueuedMessageCount());
}

TEST_F(Dispatch, UpdateWindowPaintsOnlyWhatWasInvalidated) {
    LoggingDialog dialog;
    headless::AttachedWindow window(dialog);
    dialog.UpdateWindow();
    EXPECT_EQ(0, headless::PaintCount());
    dialog.Invalidate();
    dialog.UpdateWindow();
    dialog.UpdateWindow();
    EXPECT_EQ(1, headless::PaintCount());
    ASSERT_EQ(1u, headless::LastPaint().size());
    EXPECT_EQ("painted", headless::LastPaint()[0].text);
}

using ModalLoop = Dispatch;

TEST_F(ModalLoop, OkWithARefusedNumberKeepsTheDialogOpenForTheNextStep) {
    LoggingDialog dialog;
    dialog.m_number = 4;
    headless::ScriptDialog({78, {{3, "9"}}, IDOK}); // another template's step stays queued
    headless::ScriptDialog({77, {{3, "none"}}, IDOK});
    headless::ScriptDialog({77, {{3, "12"}}, IDOK});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(12, dialog.m_number);
    ASSERT_EQ(1u, headless::Dialogs().size());
    EXPECT_EQ("4", headless::Dialogs()[0].textsAfterInit.at(3));
    EXPECT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST_F(ModalLoop, DispatchesQueuedMessagesAndIsCancelledWhenNothingIsLeft) {
    LoggingDialog dialog;
    headless::PostCallback([&dialog] {
        headless::PostMessage(dialog, WM_KEYDOWN, '1', 1);
        headless::PostMessage(dialog, WM_KEYDOWN, '2', 1);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"key 49 1", "key 50 1"}), dialog.m_log);
}

TEST_F(ModalLoop, AnExceptionLeavingTheLoopDetachesTheWindow) {
    LoggingDialog dialog;
    headless::PostCallback([] { throw headless::ProcessExit{0}; });
    EXPECT_THROW(dialog.DoModal(), headless::ProcessExit);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(MessagePump, DispatchesInOrderAndStopsAtTheQuitMessage) {
    headless::Reset();
    LoggingDialog dialog;
    headless::AttachedWindow window(dialog);
    headless::PostMessage(dialog, WM_KEYDOWN, '1', 1);
    headless::PostCallback([&dialog] { dialog.m_log.push_back("callback"); });
    headless::PostQuit();
    headless::PostMessage(dialog, WM_KEYDOWN, '3', 1);
    PumpWaitingMessages();
    EXPECT_EQ((std::vector<std::string>{"key 49 1", "callback"}), dialog.m_log);
    EXPECT_EQ(1u, headless::QueuedMessageCount());
    PumpWaitingMessages();
    EXPECT_EQ(0u, headless::QueuedMessageCount());
    EXPECT_EQ(3u, dialog.m_log.size());
}

} // namespace

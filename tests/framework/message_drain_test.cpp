#include "framework/headless/headless.h"
#include "framework/message_drain.h"

#include <gtest/gtest.h>

namespace {

// Offers the drain the chance to pump until it does, at most limit times; returns the number
// of offers that took.
int OffersUntilPumped(CMessageDrain& drain, bool& ran, int limit) {
    for (int offer = 1; offer <= limit; ++offer) {
        drain.PumpIfDue();
        if (ran) {
            return offer;
        }
    }
    return -1;
}

TEST(MessageDrain, AsksTheQueueOnlyOnceItsIntervalHasPassed) {
    headless::Reset();
    // Far from zero, where the time of the last question starts.
    headless::AdvanceClock(7 * CMessageDrain::kAskIntervalMicroseconds + 3);
    CMessageDrain drain;
    bool first = false;
    headless::PostCallback([&first] { first = true; });
    EXPECT_TRUE(drain.PumpIfDue());
    EXPECT_TRUE(first);

    bool second = false;
    headless::PostCallback([&second] { second = true; });
    headless::AdvanceClock(CMessageDrain::kAskIntervalMicroseconds - 1);
    EXPECT_EQ(-1, OffersUntilPumped(drain, second, 1000));
    // The clock was read every kCallsPerClockRead offers all along: the next read finds it due.
    headless::AdvanceClock(1);
    EXPECT_EQ(CMessageDrain::kCallsPerClockRead - 1000 % CMessageDrain::kCallsPerClockRead,
              OffersUntilPumped(drain, second, CMessageDrain::kCallsPerClockRead));
}

TEST(MessageDrain, AsksAtOnceWhenToldTo) {
    headless::Reset();
    CMessageDrain drain;
    drain.PumpIfDue();
    bool ran = false;
    headless::PostCallback([&ran] { ran = true; });
    drain.AskAtNextOffer();
    EXPECT_EQ(1, OffersUntilPumped(drain, ran, 1));
}

} // namespace

#pragma once

#include <cstdint>

// Keeps a window answering during a long computation that offers to handle messages very often.
// Asking the queue can cost a round trip to the window system, so the queue is asked only when
// kAskInterval has passed since it was last asked; reading the clock has a cost too, so the
// clock is read only every kCallsPerClockRead offers. A message that arrives is thus handled
// within kAskInterval plus the computation's time for kCallsPerClockRead offers.
class CMessageDrain {
public:
    static constexpr std::int64_t kAskIntervalMicroseconds = 10000;
    static constexpr int kCallsPerClockRead = 16;

    // Dispatches the waiting messages if the queue is due to be asked; returns whether any
    // message was dispatched.
    bool PumpIfDue();
    // The next offer asks the queue whatever the time, as at the start of a computation.
    void AskAtNextOffer() { m_askAtNextOffer = true; }

private:
    bool Due();

    bool m_askAtNextOffer = true;
    int m_offersUntilClockRead = kCallsPerClockRead;
    std::int64_t m_lastAsked = 0;
};

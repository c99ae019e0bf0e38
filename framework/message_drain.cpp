#include "framework/message_drain.h"

#include "framework/clock.h"
#include "framework/message_pump.h"

bool CMessageDrain::PumpIfDue() {
    if (!Due()) {
        return false;
    }
    const bool dispatched = PumpWaitingMessages();
    // Counted from the end of the pass, so that the time spent in handlers (a modal box, a
    // repaint) does not eat into the computation's share.
    m_askAtNextOffer = false;
    m_offersUntilClockRead = kCallsPerClockRead;
    m_lastAsked = SteadyMicroseconds();
    return dispatched;
}

bool CMessageDrain::Due() {
    if (m_askAtNextOffer) {
        return true;
    }
    if (--m_offersUntilClockRead > 0) {
        return false;
    }
    m_offersUntilClockRead = kCallsPerClockRead;
    return SteadyMicroseconds() - m_lastAsked >= kAskIntervalMicroseconds;
}

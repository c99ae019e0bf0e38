#include "framework/message_pump.h"

#include "page.h"

// The browser first handles what waits for it (input, rendering), which queues the window's
// messages; they are then dispatched on this stack.
bool PumpWaitingMessages() {
    web::YieldToBrowserIfDue();
    bool dispatched = false;
    while (web::DispatchNextEvent()) {
        dispatched = true;
    }
    return dispatched;
}

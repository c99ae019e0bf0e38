#include "framework/message_pump.h"

#include "platform_types.h"

bool PumpWaitingMessages() {
    bool dispatched = false;
    MSG message;
    while (PeekMessage(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        // 0 is the quit message and -1 an error: either ends this pass over the queue.
        if (GetMessage(&message, nullptr, 0, 0) <= 0) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessage(&message);
        dispatched = true;
    }
    return dispatched;
}

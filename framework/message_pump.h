#pragma once

// Dispatches every message waiting in the thread's queue to its window, without dialog-key
// handling. Stops early when the queue yields a quit message. Returns whether any message was
// dispatched.
bool PumpWaitingMessages();

#pragma once

// The hourglass shown while the program is busy. Waits nest: Begin raises a count and End lowers
// it; the cursor that was shown before the first Begin comes back when the count returns to 0.
class CWaitCursor {
public:
    static void Begin();
    static void End();
    // Shows the hourglass again while a wait is in progress, after something (a dialog, a
    // message handler) has changed the cursor; at count 0 sets the remembered cursor.
    static void Restore();
    static int Count();
};

#pragma once

// The block that kestrova_wintest shares with menu_probe.dll inside the program under test.
constexpr const char* kProbeBlockName = "kestrova_wintest_probe";

struct ProbeBlock {
    unsigned long long window; // HWND whose system menu is read
    int done;
    char text[8192];
};

// Loaded into a running Kestrova.exe by kestrova_wintest ("sysmenu"): menus cannot be read
// from another process under Wine, so this DLL reads the system menu of the window named in
// the shared block from inside and writes its items back there, one line each:
//   ID sep|            a separator
//   ID str|TEXT        a command item and its text, mnemonic ampersands included
#include "probe_block.h"

#include <windows.h>

#include <cstdio>

namespace {

void ReadSystemMenu() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kProbeBlockName);
    if (!mapping)
        return;
    auto* block = static_cast<ProbeBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeBlock)));
    if (block) {
        HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(block->window), FALSE);
        const int count = menu ? GetMenuItemCount(menu) : -1;
        int used = std::snprintf(block->text, sizeof block->text, "count %d\n", count);
        for (int i = 0; i < count && used < static_cast<int>(sizeof block->text); ++i) {
            char text[256] = "";
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text;
            GetMenuItemInfoA(menu, i, TRUE, &info);
            const bool separator = (info.fType & MFT_SEPARATOR) != 0;
            used += std::snprintf(block->text + used, sizeof block->text - used, "%u %s|%s\n",
                                  info.wID, separator ? "sep" : "str", separator ? "" : text);
        }
        block->done = 1;
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ReadSystemMenu();
    return TRUE;
}

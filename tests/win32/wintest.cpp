// Helper of the window tests (gui.sh): runs under Wine on the same display as Kestrova.exe.
//   windows                            the visible top-level windows of Kestrova.exe (or of the
//                                      program named by KESTROVA_PROGRAM):
//                                        window HWND CLIENT_X CLIENT_Y CLIENT_W CLIENT_H|TITLE
//                                        text CLASS|TEXT  (each visible child window)
//   sysmenu HWND                       the system menu items of that window: ID sep| or ID str|TEXT
//   window HWND                        ENABLED OWNER LEFT TOP RIGHT BOTTOM: whether the window
//                                      takes input (1 or 0), its owner (0 for none), its screen
//                                      rectangle
//   count SHOT X0 Y0 X1 Y1 RRGGBB      pixels of exactly that colour in [X0,X1) x [Y0,Y1)
//   diff SHOT1 SHOT2 X0 Y0 X1 Y1       pixels that differ between two screenshots in the rectangle
//   cells SHOT X Y RRGGBB              the board whose client origin is at (X, Y) on the screen:
//                                      nine rows of nine 0/1, 1 where a cell's inside holds that
//                                      colour
//   text SHOT X Y HEIGHT RRGGBB TEXT   draws TEXT as the program does (Tahoma HEIGHT, weight 300,
//                                      antialiased, opaque white background) and compares it with
//                                      the screenshot at (X, Y); exit status 1 when a pixel differs
//   cursor                             "shown", or "hidden" when the pointer has no cursor
//   version FILE                       the version resource as the file's properties show it:
//                                        fixed FILE_VERSION PRODUCT_VERSION  (a.b.c.d)
//                                        string NAME|VALUE  (in the translation the file names)
// SHOT files are binary PPM (P6) screenshots of the whole screen (ImageMagick's import).
#include "probe_block.h"

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    unsigned Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0xFFFFFFFFu;
        const unsigned char* p = &rgb[3 * (static_cast<size_t>(y) * width + x)];
        return (p[0] << 16) | (p[1] << 8) | p[2];
    }
};

bool ReadPpm(const char* path, Image& image) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    int maxval = 0;
    const bool ok = std::fscanf(f, "P6 %d %d %d", &image.width, &image.height, &maxval) == 3 &&
                    maxval == 255 && std::fgetc(f) != EOF;
    if (ok) {
        image.rgb.resize(3 * static_cast<size_t>(image.width) * image.height);
        const bool full = std::fread(image.rgb.data(), 1, image.rgb.size(), f) == image.rgb.size();
        std::fclose(f);
        return full;
    }
    std::fclose(f);
    return false;
}

unsigned Colour(const char* hex) {
    return static_cast<unsigned>(std::strtoul(hex, nullptr, 16));
}

std::vector<DWORD> KestrovaProcesses() {
    wchar_t program[MAX_PATH] = L"Kestrova.exe";
    GetEnvironmentVariableW(L"KESTROVA_PROGRAM", program, MAX_PATH);
    std::vector<DWORD> ids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snap, &entry); more; more = Process32NextW(snap, &entry)) {
        if (_wcsicmp(entry.szExeFile, program) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snap);
    return ids;
}

// In UTF-8, as the tests write names outside the ANSI code page.
std::string WindowText(HWND window) {
    wchar_t text[1024] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    if (!IsWindowVisible(child))
        return TRUE;
    char cls[128] = "";
    GetClassNameA(child, cls, sizeof cls);
    std::printf("text %s|%s\n", cls, WindowText(child).c_str());
    return TRUE;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM processes) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    bool ours = false;
    for (DWORD id : *reinterpret_cast<std::vector<DWORD>*>(processes))
        ours = ours || id == pid;
    if (!ours || !IsWindowVisible(window))
        return TRUE;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT client{};
    GetClientRect(window, &client);
    std::printf("window %llx %ld %ld %ld %ld|%s\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), origin.x,
                origin.y, client.right, client.bottom, WindowText(window).c_str());
    EnumChildWindows(window, PrintChild, 0);
    return TRUE;
}

int Windows() {
    std::vector<DWORD> processes = KestrovaProcesses();
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&processes));
    return 0;
}

// Start of kernel32.dll in another process (for LoadLibraryA there).
BYTE* RemoteKernel32(DWORD pid) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    BYTE* base = nullptr;
    for (BOOL more = Module32First(snap, &entry); more && !base;
         more = Module32Next(snap, &entry)) {
        if (_stricmp(entry.szModule, "kernel32.dll") == 0)
            base = entry.modBaseAddr;
    }
    CloseHandle(snap);
    return base;
}

HWND WindowOf(const char* hwndText) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(hwndText, nullptr, 16)));
}

int SystemMenu(const char* hwndText) {
    HWND window = WindowOf(hwndText);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (!pid)
        return std::fprintf(stderr, "sysmenu: no window %s\n", hwndText), 1;

    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(ProbeBlock), kProbeBlockName);
    auto* block = static_cast<ProbeBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeBlock)));
    block->window = reinterpret_cast<UINT_PTR>(window);
    block->done = 0;

    char dll[MAX_PATH];
    GetModuleFileNameA(nullptr, dll, MAX_PATH);
    std::strcpy(std::strrchr(dll, '\\') + 1, "menu_probe.dll");

    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    auto* load = reinterpret_cast<BYTE*>(GetProcAddress(kernel32, "LoadLibraryA"));
    if (BYTE* remote = RemoteKernel32(pid))
        load = remote + (load - reinterpret_cast<BYTE*>(kernel32));

    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
    void* path = VirtualAllocEx(process, nullptr, sizeof dll, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, path, dll, sizeof dll, nullptr);
    HANDLE thread = CreateRemoteThread(
        process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(load), path, 0, nullptr);
    if (!thread || WaitForSingleObject(thread, 10000) != WAIT_OBJECT_0 || !block->done) {
        return std::fprintf(stderr, "sysmenu: the probe did not run in process %lu\n", pid), 1;
    }
    std::fputs(block->text, stdout);
    return 0;
}

int Window(const char* hwndText) {
    HWND window = WindowOf(hwndText);
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return std::fprintf(stderr, "window: no window %s\n", hwndText), 1;
    }
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("%d %llx %ld %ld %ld %ld\n", IsWindowEnabled(window) ? 1 : 0,
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)), rect.left,
                rect.top, rect.right, rect.bottom);
    return 0;
}

int Count(char** a) {
    Image shot;
    if (!ReadPpm(a[0], shot))
        return std::fprintf(stderr, "count: cannot read %s\n", a[0]), 2;
    const int x0 = std::atoi(a[1]), y0 = std::atoi(a[2]), x1 = std::atoi(a[3]),
              y1 = std::atoi(a[4]);
    const unsigned colour = Colour(a[5]);
    long n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            n += shot.Pixel(x, y) == colour;
    }
    std::printf("%ld\n", n);
    return 0;
}

int Diff(char** a) {
    Image one, two;
    if (!ReadPpm(a[0], one) || !ReadPpm(a[1], two))
        return std::fprintf(stderr, "diff: cannot read shots\n"), 2;
    const int x0 = std::atoi(a[2]), y0 = std::atoi(a[3]), x1 = std::atoi(a[4]),
              y1 = std::atoi(a[5]);
    long n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            n += one.Pixel(x, y) != two.Pixel(x, y);
    }
    std::printf("%ld\n", n);
    return 0;
}

int Cells(char** a) {
    Image shot;
    if (!ReadPpm(a[0], shot))
        return std::fprintf(stderr, "cells: cannot read %s\n", a[0]), 2;
    const int x = std::atoi(a[1]), y = std::atoi(a[2]);
    const unsigned colour = Colour(a[3]);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            // Inside of the cell, clear of the lines: from 2 past its left/top line to 2 before the
            // next.
            const int x0 = x + 10 + 53 * c + c / 3 + 2, y0 = y + 10 + 53 * r + r / 3 + 2;
            bool found = false;
            for (int j = y0; j < y0 + 49 && !found; ++j) {
                for (int i = x0; i < x0 + 49 && !found; ++i)
                    found = shot.Pixel(i, j) == colour;
            }
            std::putchar(found ? '1' : '0');
        }
        std::putchar('\n');
    }
    return 0;
}

int Text(char** a) {
    Image shot;
    if (!ReadPpm(a[0], shot))
        return std::fprintf(stderr, "text: cannot read %s\n", a[0]), 2;
    const int x = std::atoi(a[1]), y = std::atoi(a[2]), height = std::atoi(a[3]);
    const unsigned colour = Colour(a[4]);
    const char* text = a[5];
    const int length = static_cast<int>(std::strlen(text));

    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontA(height, 0, 0, 0, 300, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_RASTER_PRECIS,
                    CLIP_STROKE_PRECIS, ANTIALIASED_QUALITY, FF_SWISS | DEFAULT_PITCH, "Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF));
    TextOutA(dc, 0, 0, text, length);
    GdiFlush();

    long differ = 0;
    const auto* pixels = static_cast<const unsigned*>(bits);
    for (int j = 0; j < size.cy; ++j) {
        for (int i = 0; i < size.cx; ++i) {
            differ += (pixels[j * size.cx + i] & 0xFFFFFFu) != shot.Pixel(x + i, y + j);
        }
    }
    if (differ != 0) { // leave the expected picture beside the screenshot
        const std::string path = std::string(a[0]) + ".expected.ppm";
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fprintf(f, "P6\n%ld %ld\n255\n", size.cx, size.cy);
            for (long i = 0; i < size.cx * size.cy; ++i) {
                const unsigned char rgb[3] = {static_cast<unsigned char>(pixels[i] >> 16),
                                              static_cast<unsigned char>(pixels[i] >> 8),
                                              static_cast<unsigned char>(pixels[i])};
                std::fwrite(rgb, 1, 3, f);
            }
            std::fclose(f);
        }
    }
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteDC(dc);
    std::printf("text \"%s\" at %d,%d (%ldx%ld): %ld of %ld pixels differ\n", text, x, y, size.cx,
                size.cy, differ, size.cx * size.cy);
    return differ == 0 && size.cx > 0 ? 0 : 1;
}

std::string FourPartVersion(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

// Windows shows the strings of the first translation the resource names, so they are looked up
// there and nowhere else.
int Version(const char* path) {
    DWORD unused = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &unused));
    if (data.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data()))
        return std::fprintf(stderr, "version: no version resource in %s\n", path), 1;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return std::fprintf(stderr, "version: no fixed file information\n"), 1;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    std::printf("fixed %s %s\n",
                FourPartVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str(),
                FourPartVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return std::fprintf(stderr, "version: no translation\n"), 1;
    const auto* translation = static_cast<const WORD*>(value);
    for (const char* name :
         {"FileVersion", "ProductVersion", "ProductName", "FileDescription", "LegalCopyright"}) {
        char key[96];
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\%s", translation[0],
                      translation[1], name);
        const bool found = VerQueryValueA(data.data(), key, &value, &length) && length > 0;
        std::printf("string %s|%s\n", name, found ? static_cast<const char*>(value) : "");
    }
    return 0;
}

} // namespace

// The pointer as the platform shows it now: "shown", or "hidden" when it has no cursor.
int Cursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info))
        return std::fprintf(stderr, "cursor: no cursor information\n"), 1;
    std::puts(info.hCursor && (info.flags & CURSOR_SHOWING) ? "shown" : "hidden");
    return 0;
}

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows" && argc == 2)
        return Windows();
    if (command == "sysmenu" && argc == 3)
        return SystemMenu(argv[2]);
    if (command == "window" && argc == 3)
        return Window(argv[2]);
    if (command == "count" && argc == 8)
        return Count(argv + 2);
    if (command == "diff" && argc == 8)
        return Diff(argv + 2);
    if (command == "cells" && argc == 6)
        return Cells(argv + 2);
    if (command == "text" && argc == 8)
        return Text(argv + 2);
    if (command == "cursor" && argc == 2)
        return Cursor();
    if (command == "version" && argc == 3)
        return Version(argv[2]);
    std::fprintf(stderr,
                 "usage: kestrova_wintest windows | sysmenu HWND | window HWND | count SHOT X0 Y0 "
                 "X1 Y1 RRGGBB |"
                 " diff SHOT1 SHOT2 X0 Y0 X1 Y1 | cells SHOT X Y RRGGBB | text SHOT X Y HEIGHT "
                 "RRGGBB TEXT | cursor | version FILE\n");
    return 2;
}

#include "run_program.h"

#include <cstdlib>
#include <windows.h>

// The shell of the platform hands back the program's exit status itself. The command line goes
// to it in UTF-16, so that names outside the ANSI code page reach the program whole.
int RunProgram(const std::string& commandLine, const std::string& errorPath) {
    const std::string line =
        commandLine + " 2>" + (errorPath.empty() ? "NUL" : "\"" + errorPath + "\"");
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return _wsystem(wide.c_str());
}

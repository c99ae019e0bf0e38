#include "framework/command_line.h"

#include "platform_types.h"
#include "utf16.h"

#include <shellapi.h>

std::vector<std::string> CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; words && i < count; ++i) {
        arguments.push_back(ToUtf8(words[i]));
    }
    LocalFree(words);
    return arguments;
}

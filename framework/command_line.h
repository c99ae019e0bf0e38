#pragma once

#include <string>
#include <vector>

// The program's arguments in UTF-8, the program's name first. The Windows backend takes them
// from the platform's UTF-16 command line, since argv holds them in the ANSI code page, where
// names outside it are lost.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

#pragma once

#include <string>

// Runs a command line through the system's shell, with standard error thrown away, and waits
// for its end. Returns the program's exit status, or -1 when it did not exit by itself.
int RunProgram(const std::string& commandLine);

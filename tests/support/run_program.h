#pragma once

#include <string>

// Runs a UTF-8 command line through the system's shell and waits for its end, with standard
// error sent to errorPath, or thrown away when errorPath is empty. Returns the program's exit
// status, or -1 when it did not exit by itself.
int RunProgram(const std::string& commandLine, const std::string& errorPath = "");

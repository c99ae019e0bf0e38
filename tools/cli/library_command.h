#pragma once

#include <string>
#include <vector>

// `library [--from FILE] NUMBER...`: prints the puzzle each number designates. Returns the
// exit status.
int RunLibraryCommand(const std::vector<std::string>& words);

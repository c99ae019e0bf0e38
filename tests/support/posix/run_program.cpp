#include "run_program.h"

#include <cstdlib>
#include <sys/wait.h>

int RunProgram(const std::string& commandLine) {
    const int raw = std::system((commandLine + " 2>/dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

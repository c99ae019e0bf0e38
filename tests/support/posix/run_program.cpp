#include "run_program.h"

#include <cstdlib>
#include <sys/wait.h>

int RunProgram(const std::string& commandLine, const std::string& errorPath) {
    const std::string errors = errorPath.empty() ? "/dev/null" : "'" + errorPath + "'";
    const int raw = std::system((commandLine + " 2>" + errors).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

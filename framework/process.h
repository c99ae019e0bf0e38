#pragma once

// Ends the process at once with the given status: no destructor runs, nothing is cleaned up.
[[noreturn]] void AfxExitProcess(int status);

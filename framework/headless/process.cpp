#include "framework/process.h"

#include "headless.h"

void AfxExitProcess(int status) {
    throw headless::ProcessExit{status};
}

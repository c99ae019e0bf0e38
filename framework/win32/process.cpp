#include "framework/process.h"

#include "platform_types.h"

void AfxExitProcess(int status) {
    ExitProcess(static_cast<UINT>(status));
}

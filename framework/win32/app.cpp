#include "framework/app.h"

#include "platform_types.h"

namespace {

std::string BaseNameWithoutExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ModuleFileName() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

} // namespace

const std::string& AfxGetAppName() {
    static const std::string name = BaseNameWithoutExtension(ModuleFileName());
    return name;
}

#include "framework/app.h"

#include "platform_types.h"
#include "utf16.h"

namespace {

std::string BaseNameWithoutExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The program's path may be longer than MAX_PATH: the buffer grows until the whole path fits.
std::string ModuleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            path.resize(length);
            return ToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

const std::string& AfxGetAppName() {
    static const std::string name = BaseNameWithoutExtension(ModuleFileName());
    return name;
}

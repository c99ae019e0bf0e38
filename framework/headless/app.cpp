#include "framework/app.h"

#include <unistd.h>

namespace {

std::string BaseNameWithoutExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string ExecutablePath() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

} // namespace

const std::string& AfxGetAppName() {
    static const std::string name = BaseNameWithoutExtension(ExecutablePath());
    return name;
}

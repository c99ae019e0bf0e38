#include "framework/resources.h"

#include "state.h"

namespace headless {

void SetResourceString(UINT id, const std::string& text) {
    TheState().strings[id] = text;
}

} // namespace headless

HICON AfxLoadIcon(UINT id) {
    static std::map<UINT, HICON__> icons;
    HICON__& icon = icons[id];
    icon.id = id;
    return &icon;
}

std::string AfxLoadString(UINT id) {
    const auto& strings = headless::TheState().strings;
    const auto found = strings.find(id);
    return found == strings.end() ? std::string() : found->second;
}

#include "framework/resources.h"

#include "utf16.h"

HICON AfxLoadIcon(UINT id) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

std::string AfxLoadString(UINT id) {
    wchar_t text[256] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, text, 256);
    return ToUtf8(std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0));
}

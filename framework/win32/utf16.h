#pragma once

#include <string>

// The framework's strings are UTF-8; the platform's wide functions take UTF-16. The backend
// converts at that boundary, so that every text and file name passes whole, whatever the
// ANSI code page of the machine.
std::wstring ToUtf16(const std::string& text);
std::string ToUtf8(const std::wstring& text);

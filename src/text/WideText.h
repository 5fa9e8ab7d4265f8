#pragma once

#include <string>

// Text at the Windows system's calls: the program's texts are UTF-8, the
// system's wide calls take UTF-16, which holds every character (a folder
// named "Łukasz 日本" among them), where the ANSI calls hold only the code
// page's. Only the Windows backends use these.

// UTF-8 to UTF-16; a byte that is no UTF-8 becomes U+FFFD.
std::wstring WideText(const std::string& utf8);
std::wstring WideText(const char* utf8);
// UTF-16 to UTF-8, up to the first zero.
std::string Utf8Text(const wchar_t* utf16);

#include "text/WideText.h"

#include <windows.h>

std::wstring WideText(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::wstring WideText(const char* utf8)
{
    return WideText(std::string(utf8 != nullptr ? utf8 : ""));
}

std::string Utf8Text(const wchar_t* utf16)
{
    if (utf16 == nullptr || *utf16 == L'\0')
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, utf16, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, utf16, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1); // the zero
    return utf8;
}

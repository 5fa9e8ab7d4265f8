#include "ui/win32/WindowText.h"

#include "text/WideText.h"

std::string WindowUtf8Text(HWND window)
{
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::GetWindowTextW(window, text.data(), length + 1);
    return Utf8Text(text.c_str());
}

void SetWindowUtf8Text(HWND window, const std::string& text)
{
    ::SetWindowTextW(window, WideText(text).c_str());
}

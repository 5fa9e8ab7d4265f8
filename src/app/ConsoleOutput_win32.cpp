#include "app/ConsoleOutput.h"

#include <windows.h>

namespace
{

HANDLE Stream(DWORD which)
{
    HANDLE stream = ::GetStdHandle(which);
    if (stream != nullptr && stream != INVALID_HANDLE_VALUE)
        return stream;
    // Once per run: the parent's console, if it has one.
    static const bool attached = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached)
        return nullptr;
    static HANDLE console = ::CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
    return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

bool Write(DWORD which, const std::string& text)
{
    HANDLE stream = Stream(which);
    if (stream == nullptr)
        return false;
    DWORD written = 0;
    return ::WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE &&
           written == text.size();
}

} // namespace

bool WriteStandardOutput(const std::string& text)
{
    return Write(STD_OUTPUT_HANDLE, text);
}

bool WriteStandardError(const std::string& text)
{
    return Write(STD_ERROR_HANDLE, text);
}

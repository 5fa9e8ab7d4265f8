#include "app/InstanceHandover.h"

#include "ui/win32/TTWMainForm.h"

#include <windows.h>

#include <string>

namespace
{

// "Local": the user's session, which is the user and the display.
constexpr const char* InstanceName = "Local\\Quenlar Tintwell";
constexpr int WindowWaitMs = 5000;

} // namespace

RInstanceHandover::RInstanceHandover()
{
    Name = ::CreateMutexA(nullptr, FALSE, InstanceName);
    Another = Name != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

RInstanceHandover::~RInstanceHandover()
{
    if (Name != nullptr)
        ::CloseHandle(Name);
}

bool RInstanceHandover::HandOver(RInstanceRequest request) const
{
    const std::string line = InstanceRequestLine(request);
    const std::string text = line.substr(0, line.size() - 1); // the message has its own length
    for (int waited = 0; waited < WindowWaitMs; waited += 50)
    {
        HWND running = ::FindWindowA(TTWMainForm::WindowClass(), nullptr);
        if (running != nullptr)
        {
            // The running window may come to the front: this start was the
            // user's last input.
            DWORD process = 0;
            ::GetWindowThreadProcessId(running, &process);
            ::AllowSetForegroundWindow(process);
            COPYDATASTRUCT data{TTWMainForm::InstanceRequestData, static_cast<DWORD>(text.size()),
                                const_cast<char*>(text.data())};
            DWORD_PTR answer = FALSE;
            return ::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                         SMTO_ABORTIFHUNG, 3000, &answer) != 0 &&
                   answer == TRUE;
        }
        ::Sleep(50);
    }
    return false;
}

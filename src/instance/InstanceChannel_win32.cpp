#include "instance/InstanceChannel.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace
{

// "Local": the user's session, which is the user and the display.
constexpr const wchar_t* InstanceName = L"Local\\Quenlar Tintwell";
// The tag of the WM_COPYDATA that carries a request: "TWI1".
constexpr ULONG_PTR RequestTag = 0x54574931;
// How long a later start looks for the running window while that start is
// still on its way to making it.
constexpr int WindowWaitMs = 5000;
// The running window's receiver: one channel listens in a process.
RInstanceChannel::RReceiver* Listening = nullptr;

} // namespace

struct RInstanceChannel::RState
{
    HANDLE Name = nullptr;
    bool Another = false;
    RReceiver Receiver;
};

RInstanceChannel::RInstanceChannel(const std::string&) : State(std::make_unique<RState>())
{
    // The system drops the name with the process that held it, so a crash
    // leaves nothing behind.
    State->Name = ::CreateMutexW(nullptr, FALSE, InstanceName);
    State->Another = State->Name != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

RInstanceChannel::~RInstanceChannel()
{
    if (Listening == &State->Receiver)
        Listening = nullptr;
    if (State->Name != nullptr)
        ::CloseHandle(State->Name);
}

RHandOver RInstanceChannel::HandOver(const RInstanceCall& call) const
{
    if (!State->Another)
        return RHandOver::NoneRunning;
    const std::string line = InstanceRequestLine(call);
    const std::string text = line.substr(0, line.size() - 1); // the message has its own length
    for (int waited = 0; waited < WindowWaitMs; waited += 50)
    {
        HWND running = ::FindWindowA(MainWindowClass, nullptr);
        if (running != nullptr)
        {
            // The running window may come to the front: this start was the
            // user's last input.
            DWORD process = 0;
            ::GetWindowThreadProcessId(running, &process);
            ::AllowSetForegroundWindow(process);
            COPYDATASTRUCT data{RequestTag, static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
            DWORD_PTR answer = FALSE;
            const bool taken = ::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                     SMTO_ABORTIFHUNG, InstanceAnswerWaitMs, &answer) != 0 &&
                               answer == TRUE;
            return taken ? RHandOver::Taken : RHandOver::NoAnswer;
        }
        ::Sleep(50);
    }
    // The name is held, but no window came: the one that holds it hangs.
    return RHandOver::NoAnswer;
}

std::string RInstanceChannel::Problem() const
{
    return State->Name != nullptr ? std::string() : InstanceNoNameNotice;
}

bool RInstanceChannel::Listen()
{
    if (State->Another)
        return false;
    Listening = &State->Receiver;
    return State->Name != nullptr;
}

void RInstanceChannel::OnRequest(RReceiver receiver)
{
    State->Receiver = std::move(receiver);
}

int RInstanceChannel::WatchedSocket() const
{
    return -1;
}

void RInstanceChannel::Serve()
{
}

bool RInstanceChannel::Receive(const void* message)
{
    const auto* data = static_cast<const COPYDATASTRUCT*>(message);
    RInstanceCall call;
    if (data == nullptr || data->dwData != RequestTag || data->cbData > LongestInstanceRequest ||
        !ParseInstanceRequest(std::string_view(static_cast<const char*>(data->lpData), data->cbData), call))
        return false;
    if (Listening != nullptr && *Listening)
        (*Listening)(call);
    return true;
}

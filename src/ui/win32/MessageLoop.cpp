#include "ui/win32/MessageLoop.h"

#include <map>

namespace
{

std::map<HWND, std::function<bool(const MSG&)>>& DialogWindows()
{
    static std::map<HWND, std::function<bool(const MSG&)>> windows;
    return windows;
}

HWND& KeyboardHolder()
{
    static HWND holder = nullptr;
    return holder;
}

void Deliver(MSG& message)
{
    if (KeyboardHolder() != nullptr && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST)
        message.hwnd = KeyboardHolder();
    HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    const auto dialog = root != nullptr ? DialogWindows().find(root) : DialogWindows().end();
    if (dialog != DialogWindows().end())
    {
        const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
        if (key && dialog->second && dialog->second(message))
            return;
        if (::IsDialogMessageA(root, &message))
            return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

} // namespace

void RegisterDialogWindow(HWND window, std::function<bool(const MSG&)> keys)
{
    DialogWindows()[window] = std::move(keys);
}

void UnregisterDialogWindow(HWND window)
{
    DialogWindows().erase(window);
}

void HoldKeyboard(HWND window)
{
    KeyboardHolder() = window;
}

void ReleaseKeyboard(HWND window)
{
    if (KeyboardHolder() == window)
        KeyboardHolder() = nullptr;
}

int RunMessageLoop()
{
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
        Deliver(message);
    return static_cast<int>(message.wParam);
}

namespace
{

void DeliverWaiting(UINT filter)
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | filter))
    {
        if (message.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

} // namespace

void ProcessPendingMessages()
{
    DeliverWaiting(PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_SENDMESSAGE);
}

void DeliverWaitingMessages()
{
    DeliverWaiting(0);
}

void RunModalLoop(const bool& done)
{
    MSG message;
    while (!done)
    {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

#include "ui/win32/PointerHold.h"

namespace
{

// The sideways wheel's message, newer than the headers this builds with.
constexpr WPARAM SidewaysWheel = 0x020E;

HWND TheHolder = nullptr;
HHOOK TheHook = nullptr;

bool OverAnotherProgram(POINT at)
{
    HWND under = ::WindowFromPoint(at);
    DWORD process = 0;
    if (under != nullptr)
        ::GetWindowThreadProcessId(under, &process);
    return process != ::GetCurrentProcessId();
}

LPARAM Position(POINT at)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(at.x)), static_cast<WORD>(static_cast<short>(at.y)));
}

LRESULT CALLBACK HeldPointer(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && TheHolder != nullptr)
    {
        const POINT at = reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->pt;
        if (OverAnotherProgram(at))
            switch (message)
            {
            case WM_MOUSEMOVE:
                // The pointer moves on; sampling follows it.
                ::PostMessageA(TheHolder, HeldPointerMoved, 0, Position(at));
                break;
            case WM_LBUTTONUP:
                ::PostMessageA(TheHolder, HeldPointerClicked, 0, Position(at));
                return 1;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_MBUTTONDOWN:
            case WM_MBUTTONUP:
            case WM_XBUTTONDOWN:
            case WM_XBUTTONUP:
            case WM_MOUSEWHEEL:
            case SidewaysWheel:
                return 1;
            default:
                break;
            }
    }
    return ::CallNextHookEx(nullptr, code, message, data);
}

} // namespace

void HoldPointer(HWND holder)
{
    TheHolder = holder;
    // Installed only while sampling: every movement of the desktop's
    // pointer passes through it then.
    if (TheHook == nullptr)
        TheHook = ::SetWindowsHookExA(WH_MOUSE_LL, &HeldPointer, ::GetModuleHandleA(nullptr), 0);
}

void ReleasePointer()
{
    TheHolder = nullptr;
    if (TheHook != nullptr)
        ::UnhookWindowsHookEx(TheHook);
    TheHook = nullptr;
}

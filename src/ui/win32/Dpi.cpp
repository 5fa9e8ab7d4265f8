#include "ui/win32/Dpi.h"

#include "ui/LayoutScale.h"

#include <utility>

namespace
{

template <typename Function>
Function User32Function(const char* name)
{
    // Looked up by name: the program also runs where these do not exist.
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                             : nullptr;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors)
{
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*area);
    return TRUE;
}

} // namespace

std::vector<RECT> MonitorAreas()
{
    std::vector<RECT> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    for (std::size_t i = 1; i < monitors.size(); ++i)
        if (monitors[i].left == 0 && monitors[i].top == 0)
            std::swap(monitors[0], monitors[i]);
    if (monitors.empty())
        monitors.push_back(RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

int SystemDpi()
{
    static const auto forSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    if (forSystem != nullptr)
        return static_cast<int>(forSystem());
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : LayoutDpi;
}

int MonitorDpiAt(POINT at)
{
    // Windows 8.1 on; looked up by name for the same reason.
    using ForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const ForMonitor forMonitor = []
    {
        HMODULE shcore = ::LoadLibraryA("shcore.dll");
        return shcore != nullptr
                   ? reinterpret_cast<ForMonitor>(reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
                   : nullptr;
    }();
    UINT x = 0, y = 0;
    constexpr int EffectiveDpi = 0;
    if (forMonitor != nullptr &&
        forMonitor(::MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &x, &y) == S_OK && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

int WindowDpi(HWND window)
{
    static const auto forWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr)
        if (const UINT dpi = forWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    return SystemDpi();
}

void FitClientArea(HWND window, int width, int height, DWORD style, DWORD extendedStyle, int dpi, int left, int top)
{
    static const auto adjustForDpi =
        User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT outer = {0, 0, width, height};
    if (adjustForDpi == nullptr || !adjustForDpi(&outer, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(window, nullptr, left, top, outer.right - outer.left, outer.bottom - outer.top, flags);
    // The frame the system draws may not be the one it reckons with (a
    // caption at the system's density, a theme's wider border): what the
    // client area lacks or has too much is made up once.
    RECT client{};
    ::GetClientRect(window, &client);
    if (client.right != width || client.bottom != height)
        ::SetWindowPos(window, nullptr, left, top, outer.right - outer.left + width - client.right,
                       outer.bottom - outer.top + height - client.bottom, flags);
}

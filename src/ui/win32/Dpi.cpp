#include "ui/win32/Dpi.h"

#include "ui/LayoutScale.h"


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

} // namespace

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

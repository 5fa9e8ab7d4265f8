#include "ui/win32/Dpi.h"

#include "ui/LayoutScale.h"

#include <algorithm>
#include <optional>

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

namespace
{

std::optional<double> TheDesktopTextPixels;

// The message font's character height at 96 dots per inch; 0 where unknown.
double MessageFontPixels()
{
    static const auto forDpi = User32Function<BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    double perLayoutPixel = 1.0;
    if (forDpi == nullptr || !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, LayoutDpi))
    {
        // Older systems answer at the system's density.
        if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return 0;
        perLayoutPixel = static_cast<double>(SystemDpi()) / LayoutDpi;
    }
    // A positive height is a cell's, leading included, which says nothing
    // certain of the letters' size; the system itself stores negative ones.
    return metrics.lfMessageFont.lfHeight < 0 ? -metrics.lfMessageFont.lfHeight / perLayoutPixel : 0;
}

// The default text enlarged by the text scale factor, a percentage.
double ScaledTextPixels()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Accessibility", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return 0;
    DWORD percent = 0, size = sizeof percent, type = 0;
    const bool read = ::RegQueryValueExA(key, "TextScaleFactor", nullptr, &type, reinterpret_cast<BYTE*>(&percent),
                                         &size) == ERROR_SUCCESS &&
                      type == REG_DWORD && size == sizeof percent;
    ::RegCloseKey(key);
    // The settings offer 100 % to 225 %; anything else is not theirs.
    if (!read || percent < 100 || percent > 500)
        return 0;
    return DefaultTextPixels * percent / 100;
}

} // namespace

double DesktopTextPixels()
{
    if (!TheDesktopTextPixels)
        TheDesktopTextPixels = std::max(MessageFontPixels(), ScaledTextPixels());
    return *TheDesktopTextPixels;
}

void ForgetDesktopText()
{
    TheDesktopTextPixels.reset();
}

int LayoutDpiAt(int displayDpi)
{
    return TextLayoutDpi(displayDpi, DesktopTextPixels());
}

int LayoutDpiOf(HWND window)
{
    return LayoutDpiAt(WindowDpi(window));
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

#include "ui/win32/ScreenAccess.h"

#include "ui/LayoutScale.h"
#include "ui/LoupePicture.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/PixelArt.h"

#include <algorithm>
#include <utility>

namespace
{

RMonitor MonitorOf(const RECT& area, int dpi)
{
    return {area.left, area.top, area.right - area.left, area.bottom - area.top, static_cast<double>(dpi) / LayoutDpi};
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors)
{
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*area);
    return TRUE;
}

// A device context with bitmap selected, released with it.
class RSelectedBitmap
{
public:
    RSelectedBitmap(HDC like, HBITMAP bitmap) : Dc(::CreateCompatibleDC(like)), Old(::SelectObject(Dc, bitmap)) {}
    ~RSelectedBitmap()
    {
        ::SelectObject(Dc, Old);
        ::DeleteDC(Dc);
    }
    RSelectedBitmap(const RSelectedBitmap&) = delete;
    RSelectedBitmap& operator=(const RSelectedBitmap&) = delete;
    HDC Dc;

private:
    HGDIOBJ Old;
};

} // namespace

std::unique_ptr<RDesktopCopy> RDesktopCopy::Take()
{
    const RMonitor area{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                        ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN), 1};
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, area.Width, area.Height);
    bool copied = false;
    if (bitmap != nullptr)
    {
        const RSelectedBitmap copy(screen, bitmap);
        copied = ::BitBlt(copy.Dc, 0, 0, area.Width, area.Height, screen, area.Left, area.Top, SRCCOPY) != FALSE;
    }
    ::ReleaseDC(nullptr, screen);
    if (!copied)
    {
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
        return nullptr;
    }
    return std::unique_ptr<RDesktopCopy>(new RDesktopCopy(bitmap, area));
}

RDesktopCopy::~RDesktopCopy()
{
    ::DeleteObject(Bitmap);
}

ColorValue RDesktopCopy::Pixel(POINT at) const
{
    if (!TheArea.Contains(at.x, at.y))
        return NoPixel;
    const RSelectedBitmap source(nullptr, Bitmap);
    return ::GetPixel(source.Dc, at.x - TheArea.Left, at.y - TheArea.Top);
}

std::vector<ColorValue> RDesktopCopy::PixelBlock(int left, int top, int width, int height) const
{
    std::vector<ColorValue> block(static_cast<std::size_t>(width * height), NoPixel);
    // 1. The part of the block that lies in the copy.
    const int fromX = std::max(left, TheArea.Left), fromY = std::max(top, TheArea.Top);
    const int toX = std::min(left + width, TheArea.Left + TheArea.Width);
    const int toY = std::min(top + height, TheArea.Top + TheArea.Height);
    if (fromX >= toX || fromY >= toY)
        return block;
    // 2. Its pixels as 32-bit BGR rows, top row first, in one call.
    const int partWidth = toX - fromX, partHeight = toY - fromY;
    BITMAPINFO info = TopDown32(partWidth, partHeight);
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(partWidth * partHeight));
    HDC screen = ::GetDC(nullptr);
    HBITMAP partBitmap = ::CreateCompatibleBitmap(screen, partWidth, partHeight);
    {
        const RSelectedBitmap part(screen, partBitmap);
        const RSelectedBitmap source(screen, Bitmap);
        ::BitBlt(part.Dc, 0, 0, partWidth, partHeight, source.Dc, fromX - TheArea.Left, fromY - TheArea.Top, SRCCOPY);
    }
    // Read once it is selected nowhere, as the call requires.
    if (partBitmap == nullptr ||
        ::GetDIBits(screen, partBitmap, 0, static_cast<UINT>(partHeight), rows.data(), &info, DIB_RGB_COLORS) != partHeight)
        rows.clear();
    if (partBitmap != nullptr)
        ::DeleteObject(partBitmap);
    ::ReleaseDC(nullptr, screen);
    // 3. Each pixel where it lies in the block, as a colour value.
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const int x = fromX - left + static_cast<int>(i) % partWidth, y = fromY - top + static_cast<int>(i) / partWidth;
        const std::uint32_t pixel = rows[i];
        block[static_cast<std::size_t>(y * width + x)] = ColorValueOf(
            static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel));
    }
    return block;
}

void RDesktopCopy::PaintPart(HDC dc, POINT from, int width, int height) const
{
    const RSelectedBitmap source(dc, Bitmap);
    ::BitBlt(dc, 0, 0, width, height, source.Dc, from.x - TheArea.Left, from.y - TheArea.Top, SRCCOPY);
}

std::vector<RMonitor> DesktopMonitors()
{
    std::vector<RECT> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&areas));
    for (std::size_t i = 1; i < areas.size(); ++i)
        if (areas[i].left == 0 && areas[i].top == 0)
            std::swap(areas[0], areas[i]);
    if (areas.empty())
        areas.push_back(RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    std::vector<RMonitor> monitors;
    for (const RECT& area : areas)
        monitors.push_back(MonitorOf(area, MonitorDpiAt(POINT{area.left, area.top})));
    return monitors;
}

RMonitor WorkAreaOf(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = window != nullptr ? ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                         : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    RECT work{};
    if (monitor == nullptr || !::GetMonitorInfoA(monitor, &info))
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    else
        work = info.rcWork;
    return MonitorOf(work, window != nullptr ? WindowDpi(window) : SystemDpi());
}

int MonitorDpiAt(POINT at)
{
    // Windows 8.1 on; looked up by name: the program also runs where it does not exist.
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

ColorValue WindowPixel(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const ColorValue pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

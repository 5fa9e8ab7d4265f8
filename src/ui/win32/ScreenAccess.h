#pragma once

#include "colour/ColorValue.h"
#include "ui/DesktopMonitors.h"

#include <windows.h>

#include <memory>
#include <vector>

// The one place of the Windows build that asks the system about the
// screen: the desktop's copy, its pixels, the monitors and their
// densities. Positions called "desktop" are device pixels of the virtual
// screen, every monitor, which lie left of or above the primary's origin
// where another monitor does. The program is aware of each monitor's
// density, so these are one to one with the screen.

// A frozen copy of the whole virtual screen, owned: an off-screen image in
// the screen's pixel format.
class RDesktopCopy
{
public:
    // One copy of the desktop as it shows now; none when the system refuses.
    static std::unique_ptr<RDesktopCopy> Take();
    ~RDesktopCopy();
    RDesktopCopy(const RDesktopCopy&) = delete;
    RDesktopCopy& operator=(const RDesktopCopy&) = delete;

    // The desktop's area that it covers.
    RMonitor Area() const { return TheArea; }
    // The copy's pixel at a desktop position; NoPixel outside it.
    ColorValue Pixel(POINT at) const;
    // The copy's pixels in part (desktop positions), row by row, NoPixel
    // outside it: the block the loupe's picture is made from.
    std::vector<ColorValue> PixelBlock(int left, int top, int width, int height) const;
    // Draws the copy's part at desktop position from into dc at its client
    // point (0, 0), width x height: what a window over that part shows.
    void PaintPart(HDC dc, POINT from, int width, int height) const;

private:
    RDesktopCopy(HBITMAP bitmap, const RMonitor& area) : Bitmap(bitmap), TheArea(area) {}
    HBITMAP Bitmap;
    RMonitor TheArea;
};

// Every monitor of the desktop with the ratio of its density to the
// layouts' 96 dpi; the primary, at the origin, first.
std::vector<RMonitor> DesktopMonitors();
// The work area (the monitor less the task bar) of the monitor that holds
// most of window, or the primary's without one.
RMonitor WorkAreaOf(HWND window);
// The density of the monitor that holds the desktop point at.
int MonitorDpiAt(POINT at);
// The window's own pixel at (x, y) of its client area, as it shows on the
// screen; NoPixel when it cannot be read.
ColorValue WindowPixel(HWND window, int x, int y);

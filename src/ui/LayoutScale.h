#pragma once

// Layouts are made in pixels at 96 dots per inch. A window on a monitor of
// another density lays them out in that monitor's device pixels, and takes
// the pointer's device position back to layout pixels.

inline constexpr int LayoutDpi = 96;

// A length or position in layout pixels as device pixels at dpi, rounded to
// the nearest; negative values round as their mirror image, so that a
// layout keeps its symmetry.
constexpr int ToDevicePixels(int layout, int dpi)
{
    const long long scaled = static_cast<long long>(layout) * dpi;
    const long long half = LayoutDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / LayoutDpi : -((-scaled + half) / LayoutDpi));
}

// The layout pixel whose device block (from ToDevicePixels of it to that of
// the next) holds device pixel device.
int ToLayoutPixel(int device, int dpi);

#include "ui/LayoutScale.h"

#include <cmath>

int ToLayoutPixel(int device, int dpi)
{
    if (dpi <= 0)
        return device;
    // A first guess from the ratio, then the block that truly holds the
    // pixel: rounding makes blocks one pixel wider or narrower than the
    // ratio says.
    long long guess = static_cast<long long>(device) * LayoutDpi / dpi;
    int layout = static_cast<int>(guess);
    while (ToDevicePixels(layout, dpi) > device)
        --layout;
    while (ToDevicePixels(layout + 1, dpi) <= device)
        ++layout;
    return layout;
}

int TextLayoutDpi(int displayDpi, double desktopTextPixels)
{
    constexpr double LargestRatio = 3.0;
    if (!(desktopTextPixels > DefaultTextPixels))
        return displayDpi; // also NaN
    const double ratio = std::fmin(desktopTextPixels / DefaultTextPixels, LargestRatio);
    // A hair of slack: 16 points over 9 at 96 dots per inch is 170.666...,
    // and 21.333... pixels may arrive a last digit short.
    return static_cast<int>(std::floor(displayDpi * ratio + 1e-9));
}

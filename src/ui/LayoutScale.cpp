#include "ui/LayoutScale.h"

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

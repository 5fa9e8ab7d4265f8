#pragma once

// Layouts are made in pixels at 96 dots per inch. A window on a monitor of
// another density lays them out in that monitor's device pixels, and takes
// the pointer's device position back to layout pixels. A desktop whose text
// is larger than the default enlarges them alike: to the user, larger text
// and a denser display both mean "everything larger".

inline constexpr int LayoutDpi = 96;

// The pixels, at 96 dots per inch, of the ordinary text the layouts were
// made for: 9 points, the toolkits' default where no desktop sets one.
inline constexpr double DefaultTextPixels = 12.0;

// The density a window is laid out at: displayDpi times the desktop's text
// (its pixels at 96 dots per inch) over the default, rounded down so that no
// text outgrows its control, and never below displayDpi. A size that is not
// a positive number says nothing; one over three times the default counts
// as three times, so that no setting makes a window larger than a screen.
int TextLayoutDpi(int displayDpi, double desktopTextPixels);

// The size at dpi of a font of layoutPixels in the 96-dpi layout, rounded
// down as the layout's density is, for the same reason.
constexpr int FontPixels(int layoutPixels, int dpi)
{
    return static_cast<int>(static_cast<long long>(layoutPixels) * dpi / LayoutDpi);
}

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

#pragma once

#include "ui/DesktopMonitors.h"

// Where the magnifier goes beside the eyedropper's hot spot, in device
// pixels of the desktop, on the monitor under the hot spot. It keeps a gap from the hot spot on both axes, so it
// never covers the pixel being taken: below and to the right of it, or on
// the other side of an axis where the screen ends first, and clear of a
// window that would hide it where the screen leaves a choice.

using RLoupeRect = RScreenArea;

// The magnifier of width x height beside hot spot (x, y) within screen (the
// monitor's area, which may start anywhere, negative coordinates included),
// gap device pixels away on each axis, clear of avoid where a side of the
// hot spot allows. Where neither side of an axis has room it lies against
// the screen's start on that axis.
RLoupeRect PlaceLoupe(int x, int y, int width, int height, const RLoupeRect& screen, int gap,
                      const RLoupeRect& avoid = {});

// The magnifier's make, the same in every window layer: Cells x Cells of the
// copy's pixels around the hot spot, each a square of CellSize device
// pixels, inside a border, with a line of text beneath.
struct RLoupeLayout
{
    static constexpr int Cells = 15; // across and down; the hot spot's in the middle
    static constexpr int CellSize = 8; // device pixels
    static constexpr int Border = 1;
    static constexpr int Grid = Cells * CellSize;
    // At a monitor whose windows are drawn at ratio device pixels per
    // layout pixel: the text line's height, the text's pixel size, the gap
    // from the hot spot.
    static int TextHeight(double ratio);
    static int TextSize(double ratio);
    static int Gap(double ratio);
    // Its place beside hot spot (x, y) on monitor, clear of avoid where it can be.
    static RLoupeRect Place(int x, int y, const RLoupeRect& monitor, double ratio, const RLoupeRect& avoid = {});
};

#pragma once

#include <vector>

// An area of the desktop: a window's frame, a monitor's work area.
struct RScreenArea
{
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Contains(int x, int y) const { return x >= Left && y >= Top && x < Left + Width && y < Top + Height; }
    bool Intersects(const RScreenArea& other) const
    {
        return Left < other.Left + other.Width && other.Left < Left + Width && Top < other.Top + other.Height &&
               other.Top < Top + Height;
    }
};

// The monitors that make up the desktop, each an area in device pixels of
// the whole desktop (origins may be negative, sizes may differ, and gaps may
// lie between them) with the scale its windows are drawn at.
struct RMonitor
{
    int Left = 0, Top = 0, Width = 0, Height = 0;
    double Ratio = 1; // device pixels per layout pixel
    bool Contains(int x, int y) const { return x >= Left && y >= Top && x < Left + Width && y < Top + Height; }
    RScreenArea Area() const { return {Left, Top, Width, Height}; }
};

// The index of the monitor that holds device pixel (x, y); for a pixel in a
// gap between monitors (which a pointer can reach), the nearest monitor; -1
// when there are none.
int MonitorAt(const std::vector<RMonitor>& monitors, int x, int y);

// box moved only as far as needed to lie whole on work; a box larger than
// work lies against work's top left.
RScreenArea WholeOn(const RScreenArea& box, const RScreenArea& work);

// Where a dialog of width x height goes over its owner (ownerFrame): centred
// over it, then moved only as far as needed to lie whole on work, the work
// area of the owner's monitor, whichever monitor that is. A dialog larger
// than work lies against work's top left.
RScreenArea CentredOver(const RScreenArea& ownerFrame, int width, int height, const RScreenArea& work);

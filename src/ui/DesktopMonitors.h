#pragma once

#include <vector>

// The monitors that make up the desktop, each an area in device pixels of
// the whole desktop (origins may be negative, sizes may differ, and gaps may
// lie between them) with the scale its windows are drawn at.
struct RMonitor
{
    int Left = 0, Top = 0, Width = 0, Height = 0;
    double Ratio = 1; // device pixels per layout pixel
    bool Contains(int x, int y) const { return x >= Left && y >= Top && x < Left + Width && y < Top + Height; }
};

// The index of the monitor that holds device pixel (x, y); for a pixel in a
// gap between monitors (which a pointer can reach), the nearest monitor; -1
// when there are none.
int MonitorAt(const std::vector<RMonitor>& monitors, int x, int y);

#include "ui/DesktopMonitors.h"

#include <gtest/gtest.h>

// A primary monitor with a smaller one on its left, above its top edge, and
// a third beyond a gap on its right: every point finds the monitor it is on,
// or the nearest one from a gap.
TEST(DesktopMonitors, TheMonitorUnderAPointOrTheNearest)
{
    const std::vector<RMonitor> monitors = {
        {0, 0, 1600, 1200, 2},
        {-1024, -200, 1024, 768, 1},
        {1700, 100, 800, 600, 1.5},
    };
    const struct
    {
        int X, Y, Monitor;
    } cases[] = {
        {0, 0, 0},         {1599, 1199, 0}, {-1, 0, 1},      {-1024, -200, 1},
        {-1, 567, 1},      {-1, 568, 0},    // a pixel from either: the first listed
        {-500, 1000, 1},   // below the left monitor, nearer to it than to the primary
        {1649, 300, 0},    {1650, 300, 2},  // the gap between the primary and the third
        {2499, 699, 2},    {3000, 2000, 2},
    };
    for (const auto& test : cases)
        EXPECT_EQ(MonitorAt(monitors, test.X, test.Y), test.Monitor) << test.X << "," << test.Y;
    EXPECT_EQ(MonitorAt({}, 0, 0), -1);
}

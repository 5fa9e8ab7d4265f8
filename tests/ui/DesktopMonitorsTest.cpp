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

// An About box over its owner: centred, and whole on the work area of the
// owner's monitor, wherever that monitor lies (left of the primary at
// negative coordinates, above it, smaller than the box).
TEST(CentredOver, CentredAndWholeOnTheOwnersMonitor)
{
    const RScreenArea primary{0, 0, 1600, 1160}, left{-1280, 200, 1280, 984};
    const struct
    {
        const char* Where;
        RScreenArea Owner, Work;
        int Left, Top;
    } cases[] = {
        {"in the middle", {600, 400, 360, 280}, primary, 580, 420},
        {"against the left edge", {-1280, 300, 360, 280}, left, -1280, 320},
        {"left monitor, near the primary", {-200, 300, 360, 280}, left, -400, 320},
        {"above the work area", {100, -50, 360, 280}, primary, 80, 0},
        {"past the bottom", {100, 1100, 360, 280}, primary, 80, 1160 - 240},
        {"past the right", {1500, 400, 360, 280}, primary, 1600 - 400, 420},
        {"a box larger than the work area", {0, 0, 360, 280}, {-100, -100, 300, 200}, -100, -100},
    };
    for (const auto& test : cases)
    {
        const RScreenArea placed = CentredOver(test.Owner, 400, 240, test.Work);
        EXPECT_EQ(placed.Left, test.Left) << test.Where;
        EXPECT_EQ(placed.Top, test.Top) << test.Where;
        EXPECT_EQ(placed.Width, 400);
        EXPECT_EQ(placed.Height, 240);
    }
}

// A window kept whole on a work area: moved only as far as it must be.
TEST(WholeOn, MovedOnlyAsFarAsNeeded)
{
    const RScreenArea work{-1280, 200, 1280, 984};
    const struct
    {
        RScreenArea Box;
        int Left, Top;
    } cases[] = {
        {{-1000, 300, 400, 300}, -1000, 300}, // already whole: stays
        {{-1400, 100, 400, 300}, -1280, 200}, // past the top left
        {{-100, 1000, 400, 300}, -400, 884},  // past the bottom right
        {{-2000, 0, 1500, 1100}, -1280, 200}, // larger than the work area
    };
    for (const auto& test : cases)
    {
        const RScreenArea placed = WholeOn(test.Box, work);
        EXPECT_EQ(placed.Left, test.Left);
        EXPECT_EQ(placed.Top, test.Top);
        EXPECT_EQ(placed.Width, test.Box.Width);
    }
}

#include "ui/LoupePlacement.h"

#include <gtest/gtest.h>

// The magnifier beside the hot spot everywhere on the screen: on the screen,
// and never over the pixel being taken.
TEST(LoupePlacement, EveryHotSpotOfTheScreen)
{
    const int screenWidth = 640, screenHeight = 400, width = 122, height = 150, gap = 24;
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
        {
            const RLoupeRect loupe = PlaceLoupe(x, y, width, height, {0, 0, screenWidth, screenHeight}, gap);
            ASSERT_FALSE(loupe.Contains(x, y)) << x << "," << y;
            ASSERT_GE(loupe.Left, 0);
            ASSERT_GE(loupe.Top, 0);
            ASSERT_LE(loupe.Left + width, screenWidth);
            ASSERT_LE(loupe.Top + height, screenHeight);
        }
}

TEST(LoupePlacement, BelowRightUnlessTheScreenEndsFirst)
{
    const struct
    {
        int X, Y, Left, Top;
    } cases[] = {
        {100, 100, 124, 124},     // room on both sides: below and right
        {600, 100, 600 - 24 - 122 + 1, 124}, // the right edge: to the left
        {100, 380, 124, 380 - 24 - 150 + 1}, // the bottom edge: above
        {639, 399, 639 - 24 - 122 + 1, 399 - 24 - 150 + 1}, // the corner
        {0, 0, 24, 24},
    };
    for (const auto& test : cases)
    {
        const RLoupeRect loupe = PlaceLoupe(test.X, test.Y, 122, 150, {0, 0, 640, 400}, 24);
        EXPECT_EQ(loupe.Left, test.Left) << test.X << "," << test.Y;
        EXPECT_EQ(loupe.Top, test.Top) << test.X << "," << test.Y;
    }
}

TEST(LoupePlacement, AScreenSmallerThanTheLoupeStillShowsItsStart)
{
    const RLoupeRect loupe = PlaceLoupe(10, 10, 122, 150, {0, 0, 100, 100}, 24);
    EXPECT_EQ(loupe.Left, 0);
    EXPECT_EQ(loupe.Top, 0);
}

// A window that would hide the magnifier: another side where one is free.
TEST(LoupePlacement, ClearOfTheWindowWhereASideAllows)
{
    const RLoupeRect window{300, 200, 340, 270};
    const int width = 122, height = 150;
    for (int y = 0; y < 768; y += 7)
        for (int x = 0; x < 1024; x += 7)
        {
            if (window.Contains(x, y))
                continue;
            const RLoupeRect loupe = PlaceLoupe(x, y, width, height, {0, 0, 1024, 768}, 24, window);
            ASSERT_FALSE(loupe.Contains(x, y));
            bool anyClear = false;
            for (const int left : {x + 24, x - 24 - width + 1})
                for (const int top : {y + 24, y - 24 - height + 1})
                {
                    const RLoupeRect side{left, top, width, height};
                    anyClear |= left >= 0 && top >= 0 && left + width <= 1024 && top + height <= 768 &&
                                !side.Intersects(window);
                }
            ASSERT_EQ(!loupe.Intersects(window), anyClear) << x << "," << y;
        }
    // Left of the window's corner: the magnifier goes above, not under it.
    const RLoupeRect beside = PlaceLoupe(290, 300, width, height, {0, 0, 1024, 768}, 24, window);
    EXPECT_FALSE(beside.Intersects(window));
}

// A monitor that does not start at the desktop's origin, left of and above
// it included: the magnifier stays on that monitor, turning at its edges.
TEST(LoupePlacement, OnAMonitorAwayFromTheOrigin)
{
    const RLoupeRect monitor{-1024, -300, 1024, 768};
    for (int y = monitor.Top; y < monitor.Top + monitor.Height; y += 5)
        for (int x = monitor.Left; x < monitor.Left + monitor.Width; x += 5)
        {
            const RLoupeRect loupe = PlaceLoupe(x, y, 122, 150, monitor, 24);
            ASSERT_FALSE(loupe.Contains(x, y)) << x << "," << y;
            ASSERT_GE(loupe.Left, monitor.Left) << x << "," << y;
            ASSERT_GE(loupe.Top, monitor.Top) << x << "," << y;
            ASSERT_LE(loupe.Left + 122, monitor.Left + monitor.Width) << x << "," << y;
            ASSERT_LE(loupe.Top + 150, monitor.Top + monitor.Height) << x << "," << y;
        }
    const RLoupeRect corner = PlaceLoupe(-1, 467, 122, 150, monitor, 24);
    EXPECT_EQ(corner.Left, -1 - 24 - 122 + 1);
    EXPECT_EQ(corner.Top, 467 - 24 - 150 + 1);
}

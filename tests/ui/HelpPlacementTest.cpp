// The help viewer's place beside the main window and its largest size at a
// fractional scale.
#include "ui/HelpPlacement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

bool Same(const RScreenArea& a, const RScreenArea& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

} // namespace

TEST(HelpPlacement, BesideTheOwnerWhereASideHasRoomElseCoveringLeast)
{
    const RScreenArea screen{0, 0, 1280, 800}, left{-1024, 0, 1024, 768};
    const struct
    {
        const char* Case;
        RScreenArea Owner;
        int Width, Height;
        RScreenArea Work, Placed;
    } cases[] = {
        {"right of it", {100, 100, 360, 290}, 700, 480, screen, {460, 100, 700, 480}},
        {"left where the right has no room", {900, 100, 360, 290}, 700, 480, screen, {200, 100, 700, 480}},
        {"level with it as far as the screen allows", {100, 500, 360, 290}, 700, 480, screen, {460, 320, 700, 480}},
        {"below where neither side has room", {400, 10, 360, 290}, 900, 480, screen, {380, 300, 900, 480}},
        {"above where nothing else has", {400, 500, 360, 290}, 900, 480, screen, {380, 20, 900, 480}},
        {"the corner covering least", {300, 200, 500, 400}, 900, 600, screen, {380, 0, 900, 600}},
        {"the corner covering least, left", {480, 200, 500, 400}, 900, 600, screen, {0, 0, 900, 600}},
        {"on a monitor left of the primary", {-1000, 100, 360, 290}, 600, 480, left, {-640, 100, 600, 480}},
    };
    for (const auto& test : cases)
    {
        const RScreenArea placed = PlaceBesideOwner(test.Owner, test.Width, test.Height, test.Work);
        EXPECT_TRUE(Same(placed, test.Placed))
            << test.Case << ": " << placed.Left << "," << placed.Top << " " << placed.Width << "x" << placed.Height;
    }
}

// Whatever device size an area had, a window of the largest fitting layout
// size never has a device size beyond it, and wastes at most what the
// rounding makes uncertain.
TEST(HelpPlacement, TheLargestFitNeverExceedsTheDeviceArea)
{
    EXPECT_EQ(LargestWholeFit(487, 1.5), 486); // 730 device pixels: 487 would make 731
    EXPECT_EQ(LargestWholeFit(800, 1), 800);
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5})
        for (int device = 1; device <= 2000; ++device)
        {
            const int reported = static_cast<int>(std::floor(device / ratio + 0.5));
            const int fit = LargestWholeFit(reported, ratio);
            ASSERT_LE(std::floor(fit * ratio + 0.5), device) << ratio << " " << device;
            ASSERT_GE(fit, reported - 2) << ratio << " " << device;
        }
}

#include "ui/LayoutScale.h"
#include "ui/PixelBlocks.h"

#include <gtest/gtest.h>

#include <vector>

// At every density Windows offers, every device pixel belongs to exactly the
// layout pixel whose block holds it, also left of and above the origin (a
// monitor left of the primary one), and the blocks tile without a gap.
TEST(LayoutScale, EveryDevicePixelBelongsToTheLayoutPixelWhoseBlockHoldsIt)
{
    for (int dpi : {96, 120, 144, 168, 192, 240, 288})
        for (int device = -700; device <= 700; ++device)
        {
            const int layout = ToLayoutPixel(device, dpi);
            ASSERT_LE(ToDevicePixels(layout, dpi), device) << dpi << " dpi, pixel " << device;
            ASSERT_GT(ToDevicePixels(layout + 1, dpi), device) << dpi << " dpi, pixel " << device;
        }
    // Sizes as the layouts have them: the main window's client area.
    EXPECT_EQ(ToDevicePixels(352, 120), 440);
    EXPECT_EQ(ToDevicePixels(255, 144), 383); // 382.5 rounds up
    EXPECT_EQ(ToDevicePixels(-255, 144), -383);
    EXPECT_EQ(ToDevicePixels(255, 192), 510);
}

// A 3 x 2 picture at 1.5 and 2 and shrunk: each target pixel is the source
// pixel under its centre, so the blocks are one or two pixels wide and no
// pixel is a blend.
TEST(PixelBlocks, EachPixelIsTheSourcePixelUnderItsCentre)
{
    const std::vector<std::uint32_t> from = {1, 2, 3, //
                                             4, 5, 6};
    const struct
    {
        int Width, Height;
        std::vector<std::uint32_t> Expected;
    } cases[] = {
        {3, 2, from},
        {6, 4, {1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 4, 4, 5, 5, 6, 6}},
        {5, 3, {1, 1, 2, 3, 3, 4, 4, 5, 6, 6, 4, 4, 5, 6, 6}},
        {2, 1, {4, 6}},
    };
    for (const auto& test : cases)
    {
        std::vector<std::uint32_t> to(static_cast<std::size_t>(test.Width * test.Height), 0);
        ScaleInBlocks(from.data(), 3, 2, to.data(), test.Width, test.Height);
        EXPECT_EQ(to, test.Expected) << test.Width << " x " << test.Height;
    }
}

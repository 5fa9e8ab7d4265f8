#include "ui/LayoutScale.h"
#include "ui/PixelBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A desktop's text in points at 96 dots per inch, or a text scale factor,
// becomes the density the window is laid out at; nothing makes it smaller
// than the display's, or larger than three times it.
TEST(LayoutScale, TheDesktopsTextSizeEnlargesTheLayoutAsADensityDoes)
{
    const auto points = [](double size) { return size * 96 / 72; };
    const struct
    {
        int DisplayDpi;
        double TextPixels;
        int Expected;
    } cases[] = {
        {96, points(9), 96},           {96, points(16), 170},        {96, points(20), 213},
        {144, points(16), 256},        {192, points(12), 256},       {96, 12 * 1.25, 120},
        {96, points(8), 96},           {120, 0, 120},                {96, -20, 96},
        {96, std::nan(""), 96},        {96, 1e300, 288},             {96, points(200), 288},
    };
    for (const auto& row : cases)
        EXPECT_EQ(TextLayoutDpi(row.DisplayDpi, row.TextPixels), row.Expected)
            << row.DisplayDpi << " dpi, " << row.TextPixels << " px";
    // The dialogs' 11-pixel font at 16 and 20 points.
    EXPECT_EQ(FontPixels(11, 170), 19);
    EXPECT_EQ(FontPixels(11, 213), 24);
    EXPECT_EQ(FontPixels(11, 96), 11);
}

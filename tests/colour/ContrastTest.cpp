#include "colour/Contrast.h"

#include <gtest/gtest.h>

namespace
{

constexpr ColorValue Black = 0, White = 0xFFFFFF, Blue = ColorValueOf(0, 0, 255), Red = ColorValueOf(255, 0, 0);
constexpr ColorValue LightWindow = ColorValueOf(0xEF, 0xEF, 0xEF), DarkWindow = ColorValueOf(0x35, 0x35, 0x35);

} // namespace

TEST(Contrast, KnownRatios)
{
    EXPECT_NEAR(ContrastRatio(Black, White), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(White, White), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Blue, White), 8.59, 0.01);
    EXPECT_NEAR(ContrastRatio(Red, White), 4.00, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(Blue, DarkWindow), ContrastRatio(DarkWindow, Blue));
}

TEST(Contrast, ReadableColoursStayAsTheyAre)
{
    EXPECT_EQ(ReadableOn(Blue, LightWindow), Blue);
    EXPECT_EQ(ReadableOn(Black, White), Black);
    EXPECT_EQ(ReadableOn(White, DarkWindow), White);
}

// Links on light and dark windows: lightened or darkened only as far as
// needed, and keeping their hue.
TEST(Contrast, UnreadableColoursMoveJustFarEnough)
{
    const struct
    {
        ColorValue Wanted, Background;
    } cases[] = {{Blue, DarkWindow}, {Red, DarkWindow}, {Red, LightWindow}, {Blue, Black},
                 {ColorValueOf(0x80, 0x80, 0x80), ColorValueOf(0x77, 0x77, 0x77)}, {White, White}, {Black, Black}};
    for (const auto& test : cases)
    {
        const ColorValue readable = ReadableOn(test.Wanted, test.Background);
        EXPECT_GE(ContrastRatio(readable, test.Background), 4.5) << std::hex << test.Wanted << " on " << test.Background;
        EXPECT_LT(ContrastRatio(readable, test.Background), 4.7) << std::hex << test.Wanted << " on " << test.Background;
    }
    // Red on a light window is a darker red, still a red.
    const ColorValue red = ReadableOn(Red, LightWindow);
    EXPECT_EQ(GreenOfValue(red), 0);
    EXPECT_EQ(BlueOfValue(red), 0);
    EXPECT_GT(RedOfValue(red), 150);
}

TEST(Contrast, BlackOrWhiteStandsOut)
{
    EXPECT_EQ(BlackOrWhiteOn(Black), White);
    EXPECT_EQ(BlackOrWhiteOn(White), Black);
    EXPECT_EQ(BlackOrWhiteOn(Blue), White);
    EXPECT_EQ(BlackOrWhiteOn(ColorValueOf(255, 255, 0)), Black);
    // Either side of the grey where both stand out equally (luminance 0.179).
    EXPECT_EQ(BlackOrWhiteOn(ColorValueOf(0x75, 0x75, 0x75)), White);
    EXPECT_EQ(BlackOrWhiteOn(ColorValueOf(0x76, 0x76, 0x76)), Black);
}

#include "ui/RSwatchRenderer.h"

#include "colour/Contrast.h"

#include "support/FreshDrawing.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

struct RGB
{
    int R, G, B;
};

RColor ColorOf(int r, int g, int b)
{
    RColor color(0);
    color.SetRGB(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b));
    return color;
}

// The reused plane and the repeated bar columns must be exactly what drawing
// afresh gives, whatever was drawn before.
TEST(SwatchRenderer, EveryPixelEqualsAFreshDrawing)
{
    RSwatchRenderer renderer;
    int differing = 0;
    for (int hue = 0; hue <= 239; hue += 7)
        for (int saturation = 0; saturation <= 239; saturation += 17)
        {
            RColor current(0);
            current.SetHSL(hue, saturation, (hue * 3 + saturation) % 240);
            const RSwatchPicture& picture = renderer.Render(current);
            const FreshDrawing fresh(current);
            differing += picture.Plane != fresh.Plane;
            differing += picture.Bar != fresh.Bar;
        }
    EXPECT_EQ(differing, 0);

    const RSwatchLayout odd{50, 30, 7, 41};
    RSwatchRenderer other(odd);
    const RColor orange = ColorOf(255, 165, 0);
    const FreshDrawing fresh(orange, odd);
    EXPECT_EQ(other.Render(orange).Plane, fresh.Plane);
    EXPECT_EQ(other.Render(orange).Bar, fresh.Bar);
}

TEST(SwatchRenderer, MarkerAndArrow)
{
    const struct
    {
        RGB Color;
        int MarkerX, MarkerY, ArrowY;
    } rows[] = {
        {{255, 0, 0}, 82, 0, 41},       {{0, 0, 0}, 0, 82, 82},
        {{255, 255, 255}, 0, 82, 0},    {{100, 149, 237}, 49, 17, 28},
    };
    RSwatchRenderer renderer;
    for (const auto& row : rows)
    {
        const RSwatchPicture& picture =
            renderer.Render(ColorOf(row.Color.R, row.Color.G, row.Color.B));
        EXPECT_EQ(picture.MarkerX, row.MarkerX) << row.Color.R;
        EXPECT_EQ(picture.MarkerY, row.MarkerY) << row.Color.R;
        EXPECT_EQ(picture.ArrowY, row.ArrowY) << row.Color.R;
    }
    // Black's bar is a grey ramp from white down to near black.
    const RSwatchPicture& black = renderer.Render(ColorOf(0, 0, 0));
    EXPECT_EQ(black.BarPixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(black.BarPixel(11, 81), 0x00020202u);
}

TEST(SwatchRenderer, ClickPositionsTruncateTowardZero)
{
    const RSwatchLayout layout;
    const struct
    {
        int X, Y, Hue, Saturation;
    } plane[] = {
        {0, 0, 0, 239}, {81, 81, 236, 2}, {200, 40, 582, 122}, {40, -10, 116, 268},
        {40, 200, 116, -343}, {-1, 40, -2, 122},
    };
    for (const auto& row : plane)
    {
        EXPECT_EQ(PlaneClickHue(row.X, layout), row.Hue) << row.X;
        EXPECT_EQ(PlaneClickSaturation(row.Y, layout), row.Saturation) << row.Y;
    }
    EXPECT_EQ(BarClickLuminance(0, layout), 239);
    EXPECT_EQ(BarClickLuminance(81, layout), 2);
    EXPECT_EQ(BarClickLuminance(83, layout), -2);
}

} // namespace

#ifdef TINTWELL_HAS_BUILT_PLANE
#include "ui/PrecomputedPlane.h"

// The plane built into the program is the one the renderer draws, pixel for
// pixel, and so is every bar drawn after it.
TEST(BuiltPlane, IsTheDrawnPlaneAndLeavesTheSameBars)
{
    RSwatchRenderer drawn;
    RSwatchRenderer built(RSwatchLayout{}, &BuiltPlane());
    EXPECT_EQ(built.AfterPlaneColor(), drawn.AfterPlaneColor());
    for (std::uint32_t seed = 0; seed < 512; ++seed)
    {
        const RColor color((seed * 2654435761u) & 0xFFFFFF);
        const RSwatchPicture expected = drawn.Render(color);
        const RSwatchPicture& got = built.Render(color);
        ASSERT_EQ(got.Plane, expected.Plane);
        ASSERT_EQ(got.Bar, expected.Bar) << seed;
        ASSERT_EQ(got.MarkerX, expected.MarkerX);
        ASSERT_EQ(got.ArrowY, expected.ArrowY);
    }
}
#endif

// Black on a light face, as the layout draws it; on a dark one no darker
// than 3:1 allows, and not much lighter either.
TEST(LuminanceArrow, StandsOutAtThreeToOneInLightAndDarkThemes)
{
    EXPECT_EQ(LuminanceArrowColor(ColorValueOf(0xF0, 0xF0, 0xF0)), 0u);
    EXPECT_EQ(LuminanceArrowColor(ColorValueOf(0xD4, 0xD0, 0xC8)), 0u);
    for (const ColorValue dark : {ColorValueOf(0x31, 0x36, 0x3B), ColorValueOf(0x35, 0x35, 0x35), ColorValue{0}})
    {
        const ColorValue arrow = LuminanceArrowColor(dark);
        EXPECT_GE(ContrastRatio(arrow, dark), 3.0) << std::hex << dark;
        EXPECT_LT(ContrastRatio(arrow, dark), 3.2) << std::hex << dark;
    }
}

#include "colour/HSLConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace
{

std::string SixDecimals(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    return text;
}

struct RGBToHSLRow
{
    int R, G, B;
    const char *H, *S, *L; // the stored floats to six decimals
    int ScaleH, ScaleS, ScaleL;
};

// Primaries and secondaries, the hue that stays 360, an orange, a cornflower,
// a near-black, and three greys.
const RGBToHSLRow RGBToHSLRows[] = {
    {255, 0, 0, "360.000000", "1.000000", "0.500000", 239, 239, 119},
    {0, 255, 0, "120.000000", "1.000000", "0.500000", 79, 239, 119},
    {0, 0, 255, "240.000000", "1.000000", "0.500000", 159, 239, 119},
    {255, 255, 0, "60.000000", "1.000000", "0.500000", 39, 239, 119},
    {0, 255, 255, "180.000000", "1.000000", "0.500000", 119, 239, 119},
    {255, 0, 255, "300.000000", "1.000000", "0.500000", 199, 239, 119},
    {255, 165, 0, "38.823517", "1.000000", "0.500000", 25, 239, 119},
    {100, 149, 237, "218.540146", "0.791907", "0.660784", 145, 189, 157},
    {255, 100, 100, "360.000000", "1.000000", "0.696078", 239, 239, 166},
    {1, 2, 3, "210.000000", "0.500000", "0.007843", 139, 119, 1},
    {128, 128, 128, "0.000000", "0.000000", "0.501961", 0, 0, 119},
    {0, 0, 0, "0.000000", "0.000000", "0.000000", 0, 0, 0},
    {255, 255, 255, "0.000000", "0.000000", "1.000000", 0, 0, 239},
};

TEST(UpdateHSL, GivesTheStoredFloatsAndTheirScaleValues)
{
    for (const RGBToHSLRow& row : RGBToHSLRows)
    {
        SCOPED_TRACE(testing::Message() << row.R << ", " << row.G << ", " << row.B);
        const HSLTriple hsl = UpdateHSL(static_cast<std::uint8_t>(row.R),
                                        static_cast<std::uint8_t>(row.G),
                                        static_cast<std::uint8_t>(row.B));
        EXPECT_EQ(SixDecimals(hsl.Hue), row.H);
        EXPECT_EQ(SixDecimals(hsl.Saturation), row.S);
        EXPECT_EQ(SixDecimals(hsl.Luminance), row.L);
        EXPECT_EQ(ToHSLScale(hsl.Hue, HueRange), row.ScaleH);
        EXPECT_EQ(ToHSLScale(hsl.Saturation, UnitRange), row.ScaleS);
        EXPECT_EQ(ToHSLScale(hsl.Luminance, UnitRange), row.ScaleL);
    }
}

// Colours whose shown value moves by one when the intermediates are carried
// in double instead of being rounded to float where they are stored, or when
// the arithmetic runs in single precision throughout.
TEST(UpdateHSL, RoundingAtTheStoredStepsDecidesTheShownHue)
{
    const struct
    {
        int R, G, B, ScaleH;
    } rows[] = {
        {239, 78, 0, 12},  // carried in double: 13
        {196, 239, 0, 47}, // carried in double: 46
        {239, 18, 0, 3},   // single precision throughout: 2
        {239, 96, 0, 15},  // either: 16
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.R << ", " << row.G << ", " << row.B);
        const HSLTriple hsl = UpdateHSL(static_cast<std::uint8_t>(row.R),
                                        static_cast<std::uint8_t>(row.G),
                                        static_cast<std::uint8_t>(row.B));
        EXPECT_EQ(ToHSLScale(hsl.Hue, HueRange), row.ScaleH);
        EXPECT_EQ(ToHSLScale(hsl.Saturation, UnitRange), 239);
        EXPECT_EQ(ToHSLScale(hsl.Luminance, UnitRange), 112);
    }
}

TEST(UpdateHSL, RedWithEqualGreenAndBlueKeepsHue360NotZero)
{
    EXPECT_EQ(UpdateHSL(255, 0, 0).Hue, 360.0f);
    EXPECT_EQ(UpdateHSL(200, 7, 7).Hue, 360.0f);
    // Green just above blue folds into 0..60; just below stays under 360.
    EXPECT_LT(UpdateHSL(255, 1, 0).Hue, 60.0f);
    EXPECT_GT(UpdateHSL(255, 0, 1).Hue, 300.0f);
    EXPECT_LT(UpdateHSL(255, 0, 1).Hue, 360.0f);
}

struct RGBRow
{
    int R, G, B;
};

void ExpectRGB(RGBTriple actual, RGBRow expected)
{
    EXPECT_EQ(actual.Red, expected.R);
    EXPECT_EQ(actual.Green, expected.G);
    EXPECT_EQ(actual.Blue, expected.B);
}

TEST(UpdateRGB, HueAcrossTheScaleAtFullSaturationAndHalfLuminance)
{
    const struct
    {
        int Index;
        RGBRow Rgb;
    } rows[] = {
        {0, {255, 0, 0}},   {1, {255, 6, 0}},   {40, {253, 255, 0}}, {80, {0, 255, 2}},
        {120, {0, 251, 255}}, {160, {4, 0, 255}}, {200, {255, 0, 249}}, {239, {255, 0, 0}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Index);
        ExpectRGB(UpdateRGB(FromHSLScale(row.Index, HueRange), 1.0f, 0.5f), row.Rgb);
    }
}

TEST(UpdateRGB, SaturationAcrossTheScaleAtHue360AndHalfLuminance)
{
    const struct
    {
        int Index;
        RGBRow Rgb;
    } rows[] = {
        {0, {127, 127, 127}}, // the grey branch: trunc(0.5 x 255)
        {1, {128, 126, 126}},
        {120, {191, 63, 63}},
        {239, {255, 0, 0}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Index);
        ExpectRGB(UpdateRGB(360.0f, FromHSLScale(row.Index, UnitRange), 0.5f), row.Rgb);
    }
}

TEST(UpdateRGB, LuminanceAcrossTheScaleAtHue360AndFullSaturation)
{
    const struct
    {
        int Index;
        RGBRow Rgb;
    } rows[] = {
        {0, {0, 0, 0}},       {1, {2, 0, 0}},         {60, {128, 0, 0}},
        {120, {255, 1, 1}},   {238, {255, 252, 252}}, {239, {255, 255, 255}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Index);
        ExpectRGB(UpdateRGB(360.0f, 1.0f, FromHSLScale(row.Index, UnitRange)), row.Rgb);
    }
}

TEST(UpdateRGB, RoundingAtTheStoredStepsDecidesTheComponents)
{
    const struct
    {
        int H, S, L;
        RGBRow Rgb;
    } rows[] = {
        {3, 123, 224, {247, 232, 230}}, // carried in double: green 231
        {16, 181, 87, {163, 79, 22}},   // carried in double: green 78
        {0, 3, 239, {255, 255, 255}},   // single precision throughout: red 254
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.H << ", " << row.S << ", " << row.L);
        ExpectRGB(UpdateRGB(FromHSLScale(row.H, HueRange), FromHSLScale(row.S, UnitRange),
                            FromHSLScale(row.L, UnitRange)),
                  row.Rgb);
    }
}

TEST(UpdateRGB, GreyIgnoresTheHue)
{
    for (float hue : {0.0f, 90.0f, 360.0f, 1e9f})
        ExpectRGB(UpdateRGB(hue, 0.0f, 0.5f), {127, 127, 127});
}

TEST(UpdateRGB, OutOfRangeArgumentsClampInsteadOfWrapping)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ExpectRGB(UpdateRGB(0.0f, 0.0f, 2.0f), {255, 255, 255});
    ExpectRGB(UpdateRGB(0.0f, 0.0f, -1.0f), {0, 0, 0});
    ExpectRGB(UpdateRGB(0.0f, 0.0f, nan), {0, 0, 0});
    // A hue folded once stays outside 0..360 and drives the ramp negative.
    ExpectRGB(UpdateRGB(-500.0f, 1.0f, 0.5f), {0, 0, 0});
    EXPECT_EQ(HueToComponent(0.0f, 1.0f, nan), 0);
    EXPECT_EQ(HueToComponent(-3.0f, 5.0f, 120.0f), 255);
}

TEST(HueToComponent, FoldsOnceAndFollowsTheFourRanges)
{
    // m1 = 0, m2 = 1: the ramp rises over 0..60, holds to 180, falls to 240.
    const struct
    {
        float Hue;
        int Component;
    } rows[] = {
        {0.0f, 0},   {30.0f, 127}, {60.0f, 255}, {179.9f, 255}, {210.0f, 127},
        {240.0f, 0}, {359.0f, 0},  {390.0f, 127}, {-330.0f, 127}, {750.0f, 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Hue);
        EXPECT_EQ(HueToComponent(0.0f, 1.0f, row.Hue), row.Component);
    }
}

TEST(HSLScale, ToScaleClampsAndTruncates)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        float Value, Range;
        int Index;
    } rows[] = {
        {0.5f, 1.0f, 119},   {359.0f, 360.0f, 238}, {360.0f, 360.0f, 239},
        {2.0f, 1.0f, 239},   {-3.0f, 1.0f, 0},      {nan, 360.0f, 0},
        {0.5f, 0.0f, 0},     {0.5f, -1.0f, 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.Value << " of " << row.Range);
        EXPECT_EQ(ToHSLScale(row.Value, row.Range), row.Index);
    }
}

TEST(HSLScale, FromScaleClampsTheIndex)
{
    EXPECT_EQ(FromHSLScale(239, HueRange), 360.0f);
    EXPECT_EQ(FromHSLScale(300, UnitRange), 1.0f);
    EXPECT_EQ(FromHSLScale(-1, UnitRange), 0.0f);
    EXPECT_EQ(FromHSLScale(120, UnitRange), 0.50209206f);
}

TEST(HSLScale, GreyWrittenWithLuminance120ReadsBack119)
{
    const RGBTriple grey = UpdateRGB(0.0f, 0.0f, FromHSLScale(120, UnitRange));
    ExpectRGB(grey, {128, 128, 128});
    EXPECT_EQ(ToHSLScale(UpdateHSL(128, 128, 128).Luminance, UnitRange), 119);
}

// Both directions truncate, so an index taken out and back may lose one, but
// never more and never gain.
TEST(HSLScale, EveryIndexSurvivesTheRoundTripWithinOne)
{
    for (float range : {HueRange, UnitRange})
    {
        for (int index = 0; index <= HSLScaleMax; ++index)
        {
            const int back = ToHSLScale(FromHSLScale(index, range), range);
            EXPECT_TRUE(back == index || back == index - 1) << index << " of " << range;
        }
    }
}

// Every colour there is: the derived values stay in their ranges and the
// scale never leaves 0..239.
TEST(UpdateHSL, EveryColourStaysInRange)
{
    int failures = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
            {
                const HSLTriple hsl = UpdateHSL(static_cast<std::uint8_t>(r),
                                                static_cast<std::uint8_t>(g),
                                                static_cast<std::uint8_t>(b));
                const int h = ToHSLScale(hsl.Hue, HueRange);
                const int s = ToHSLScale(hsl.Saturation, UnitRange);
                const int l = ToHSLScale(hsl.Luminance, UnitRange);
                const bool ok = hsl.Hue >= 0.0f && hsl.Hue <= 360.0f &&
                                hsl.Saturation >= 0.0f && hsl.Saturation <= 1.0f &&
                                hsl.Luminance >= 0.0f && hsl.Luminance <= 1.0f && h >= 0 &&
                                h <= 239 && s >= 0 && s <= 239 && l >= 0 && l <= 239;
                if (!ok && ++failures <= 5)
                    ADD_FAILURE() << r << ", " << g << ", " << b << " gives " << hsl.Hue
                                  << ", " << hsl.Saturation << ", " << hsl.Luminance;
            }
    EXPECT_EQ(failures, 0);
}

} // namespace

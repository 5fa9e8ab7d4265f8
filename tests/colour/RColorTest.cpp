#include "colour/RColor.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct RGB
{
    int R, G, B;
    friend bool operator==(const RGB&, const RGB&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RGB& c)
    {
        return out << c.R << ", " << c.G << ", " << c.B;
    }
};

RGB ComponentsOf(const RColor& color)
{
    return {color.GetRed(), color.GetGrn(), color.GetBlu()};
}

RColor ColorOf(int r, int g, int b)
{
    RColor color(0);
    color.SetRGB(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b));
    return color;
}

std::string HexIn(RColor color, int format)
{
    color.SetHexFormat(format);
    return color.GetHexValue().Text();
}

TEST(RColor, BlackAtConstruction)
{
    const RColor color(0);
    EXPECT_EQ(color.GetColor(), 0u);
    EXPECT_EQ(color.GetHexFormat(), 0);
    EXPECT_STREQ(color.GetHexValue().Text(), "#000000");
    EXPECT_EQ(color.GetHue(), 0);
    EXPECT_EQ(color.GetSat(), 0);
    EXPECT_EQ(color.GetLum(), 0);
}

TEST(RColor, SetColorKeepsTheLowThreeBytesOnly)
{
    RColor color(0);
    color.SetColor(0x8000000F);
    EXPECT_EQ(ComponentsOf(color), (RGB{15, 0, 0}));
    EXPECT_EQ(color.GetColor(), 0x0000000Fu);
    EXPECT_EQ(RColor::FindNamedColor(color.GetColor()), -1);

    color.SetColor(RColor::GetNamedColor(0)); // "None" is white underneath
    EXPECT_EQ(ComponentsOf(color), (RGB{255, 255, 255}));
    EXPECT_EQ(RColor::FindNamedColor(color.GetColor()), 137);
}

TEST(RColor, TopByteComesFromTheConstructorOnly)
{
    RColor color(0x8000000F);
    EXPECT_EQ(color.GetColor(), 0x8000000Fu);
    color.SetColor(0x00010203);
    EXPECT_EQ(color.GetColor(), 0x80010203u);
}

// Every colour value goes in and the same low three bytes come out.
TEST(RColor, SetColorThenGetColorKeepsEveryRGBValue)
{
    RColor color(0);
    ColorValue mismatch = 0;
    int failures = 0;
    for (ColorValue value = 0; value < (1u << 24); ++value)
    {
        // A top byte that varies with the value, to be dropped every time.
        color.SetColor(value | ((value & 0xFF) << 24));
        if (color.GetColor() != value && failures++ == 0)
            mismatch = value;
    }
    EXPECT_EQ(failures, 0) << "first mismatch at " << std::hex << mismatch;
}

TEST(RColor, SetComponentStoresTheLowEightBits)
{
    RColor color(0);
    color.SetRed(300);
    color.SetGrn(-1);
    color.SetBlu(256 + 7);
    EXPECT_EQ(ComponentsOf(color), (RGB{44, 255, 7}));
    color.SetGrn(9); // the others are untouched
    EXPECT_EQ(ComponentsOf(color), (RGB{44, 9, 7}));
}

TEST(RColor, HexValueInEachNotation)
{
    const struct
    {
        int R, G, B;
        const char *Html, *Cpp, *Delphi, *VB;
    } rows[] = {
        {255, 165, 0, "#FFA500", "0x0000A5FF", "$0000A5FF", "&H0000A5FF&"},
        {15, 0, 0, "#0F0000", "0x0000000F", "$0000000F", "&H0000000F&"},
        {1, 2, 171, "#0102AB", "0x00AB0201", "$00AB0201", "&H00AB0201&"},
    };
    for (const auto& row : rows)
    {
        const RColor color = ColorOf(row.R, row.G, row.B);
        EXPECT_EQ(HexIn(color, 0), row.Html);
        EXPECT_EQ(HexIn(color, 1), row.Cpp);
        EXPECT_EQ(HexIn(color, 2), row.Delphi);
        EXPECT_EQ(HexIn(color, 3), row.VB);
    }
}

TEST(RColor, SetHexFormatClampsWhileCheckHexFormatFallsBackToZero)
{
    RColor color(0);
    const struct
    {
        int Given, Stored, Checked;
    } rows[] = {{-1, 0, 0}, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 3, 0}, {9, 3, 0}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Given);
        color.SetHexFormat(row.Given);
        EXPECT_EQ(color.GetHexFormat(), row.Stored);
        int index = row.Given;
        RColor::CheckHexFormat(index);
        EXPECT_EQ(index, row.Checked);
        EXPECT_STREQ(RColor::GetHexFormatString(row.Given), HexFormats[row.Checked].Format);
    }
}

TEST(RColor, HSLReadsOfKnownColours)
{
    const struct
    {
        int R, G, B, H, S, L;
    } rows[] = {
        {255, 0, 0, 239, 239, 119},
        {255, 165, 0, 25, 239, 119},
        {100, 149, 237, 145, 189, 157},
        {128, 128, 128, 0, 0, 119},
        {255, 255, 255, 0, 0, 239},
    };
    for (const auto& row : rows)
    {
        const RColor color = ColorOf(row.R, row.G, row.B);
        SCOPED_TRACE(testing::Message() << ComponentsOf(color));
        EXPECT_EQ(color.GetHue(), row.H);
        EXPECT_EQ(color.GetSat(), row.S);
        EXPECT_EQ(color.GetLum(), row.L);
        EXPECT_EQ(ComponentsOf(color), (RGB{row.R, row.G, row.B})) << "a read moved the colour";
    }
}

// Each write derives hue, saturation and luminance afresh from the bytes, so
// what an earlier write set survives only as far as the bytes keep it.
TEST(RColor, HSLWritesStartFromTheCurrentBytes)
{
    RColor orange = ColorOf(255, 165, 0);
    orange.SetHue(orange.GetHue()); // 25 is not quite the hue it was read from
    EXPECT_EQ(ComponentsOf(orange), (RGB{255, 160, 0}));

    RColor red = ColorOf(255, 0, 0);
    red.SetHue(0);
    EXPECT_EQ(ComponentsOf(red), (RGB{255, 0, 0}));
    EXPECT_EQ(red.GetHue(), 239);

    RColor grey = ColorOf(128, 128, 128);
    grey.SetHue(100); // a grey has no hue to change
    EXPECT_EQ(ComponentsOf(grey), (RGB{128, 128, 128}));
    EXPECT_EQ(grey.GetHue(), 0);
    grey.SetSat(239); // so saturation starts from hue 0, red
    EXPECT_EQ(ComponentsOf(grey), (RGB{255, 1, 1}));

    RColor lost = ColorOf(255, 0, 0);
    lost.SetLum(0);
    EXPECT_EQ(ComponentsOf(lost), (RGB{0, 0, 0}));
    lost.SetLum(120); // black kept no hue or saturation
    EXPECT_EQ(ComponentsOf(lost), (RGB{128, 128, 128}));
    EXPECT_EQ(lost.GetHue(), 0);
    EXPECT_EQ(lost.GetSat(), 0);

    RColor white = ColorOf(10, 200, 30);
    white.SetLum(239);
    EXPECT_EQ(ComponentsOf(white), (RGB{255, 255, 255}));
}

// Single writes whose result moves by one when the intermediates are carried
// in double, or computed in single precision throughout.
TEST(RColor, RoundingAtTheStoredStepsDecidesWhatAWriteGives)
{
    enum Which { Hue, Sat, Lum };
    const struct
    {
        RGB Before;
        Which Field;
        int Index;
        RGB After;
    } rows[] = {
        {{239, 13, 0}, Hue, 1, {239, 6, 0}},       // carried in double: green 5
        {{239, 250, 0}, Lum, 25, {51, 53, 0}},     // carried in double: red 50
        {{239, 0, 0}, Sat, 105, {172, 66, 66}},    // single precision: 67, 67
        {{25, 0, 0}, Lum, 186, {255, 141, 141}},   // single precision: red 254
        {{239, 2, 0}, Sat, 89, {164, 75, 74}},     // either: blue 75
    };
    for (const auto& row : rows)
    {
        RColor color = ColorOf(row.Before.R, row.Before.G, row.Before.B);
        SCOPED_TRACE(testing::Message() << row.Before << " field " << row.Field);
        if (row.Field == Hue)
            color.SetHue(row.Index);
        else if (row.Field == Sat)
            color.SetSat(row.Index);
        else
            color.SetLum(row.Index);
        EXPECT_EQ(ComponentsOf(color), row.After);
    }
}

TEST(RColor, SetHSLDependsOnThePath)
{
    RColor fromBlack(0);
    const RGB expected[] = {{135, 135, 135}, {235, 35, 35}, {35, 235, 36}, {35, 235, 36}};
    for (const RGB& step : expected)
    {
        fromBlack.SetHSL(80, 200, 127);
        EXPECT_EQ(ComponentsOf(fromBlack), step);
    }

    RColor fromRed = ColorOf(255, 0, 0);
    fromRed.SetHSL(80, 200, 127);
    EXPECT_EQ(ComponentsOf(fromRed), (RGB{34, 236, 36}));
}

TEST(RColor, HSLWritesClampTheirIndex)
{
    RColor color = ColorOf(255, 0, 0);
    color.SetLum(-40);
    EXPECT_EQ(ComponentsOf(color), (RGB{0, 0, 0}));
    color.SetLum(1000);
    EXPECT_EQ(ComponentsOf(color), (RGB{255, 255, 255}));
}

} // namespace

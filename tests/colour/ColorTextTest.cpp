// Colours read from text people paste: every accepted form, the program's
// own literals read back, and what is refused.
#include "colour/ColorText.h"
#include "colour/CssColor.h"
#include "colour/RColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace
{

constexpr ColorValue Untouched = 0x12345678;

ColorValue Read(const std::string& text)
{
    ColorValue color = Untouched;
    ParseColorText(text, color);
    return color;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

TEST(ColorText, AcceptedForms)
{
    const ColorValue orange = ColorValueOf(255, 165, 0); // 0x0000A5FF
    const struct
    {
        const char* Text;
        ColorValue Color;
    } cases[] = {
        {"#FFA500", orange},
        {"#ffa500", orange},
        {"  #FFA500\n", orange},
        {"#F80", ColorValueOf(0xFF, 0x88, 0x00)},
        {"#fff", ColorValueOf(255, 255, 255)},
        {"0x0000A5FF", orange},
        {"0X0000a5ff", orange},
        {"0x00A5FF", orange},
        {"$0000A5FF", orange},
        {"$00a5ff", orange},
        {"&H0000A5FF&", orange},
        {"&h00a5ff&", orange},
        {"rgb(255, 165, 0)", orange},
        {"RGB(255,165,0)", orange},
        {"rgb( 255 ,165 , 000 )", orange},
        {"rgb (0, 0, 0)", 0},
        {"Orange", orange},
        {"ORANGE", orange},
        {"Alice Blue", ColorValueOf(0xF0, 0xF8, 0xFF)},
        {"aliceblue", ColorValueOf(0xF0, 0xF8, 0xFF)},
        {"aquamarine", ColorValueOf(0x7F, 0xFF, 0xD4)},
        {"#000000", 0},
    };
    for (const auto& test : cases)
    {
        ColorValue color = Untouched;
        EXPECT_TRUE(ParseColorText(test.Text, color)) << test.Text;
        EXPECT_EQ(color, test.Color) << test.Text;
    }
}

TEST(ColorText, RefusedTextsChangeNothing)
{
    for (const char* text :
         {"", "   ", "#", "#FFA50", "#FFA5000", "#GGGGGG", "#FFA500 x", "0x", "0x01A5FF00", "0xFFFFFFFF",
          "0x0000A5FFF", "0xA5F", "$", "$8000000F", "&H0000A5FF", "&H&", "&H0000A5FF&&", "H0000A5FF&",
          "rgb(256, 0, 0)", "rgb(-1, 0, 0)", "rgb(1, 2)", "rgb(1, 2, 3, 4)", "rgb(1 2 3)", "rgb(1,2,3", "rgb(1.5, 2, 3)",
          "rgb(0255, 0, 0)", "rgba(1, 2, 3)", "rgba(1, 2, 3, 1.5)", "rgba(1, 2, 3, -0.5)", "rgba(1, 2, 3, 101%)",
          "rgba(1, 2, 3, .)", "hsl(0, 100, 50%)", "hsl(0, 100%, 50)", "hsl(0, 101%, 50%)", "hsl(0, 100%, -1%)",
          "hsl(0rad, 100%, 50%)", "hsl(0, 100%)", "hsl(0, 100%, 50%, 1)", "hsla(0, 100%, 50%)", "hsl(0 100% 50%)",
          "hsl(1e2, 100%, 50%)", "hsl(, 100%, 50%)", "hsl(--1, 100%, 50%)", "hsl(0, 100%, 50%))", "None", "none", "Orangey", "Orange Red Blue", "#FFA500#FFA500",
          "0x0000A5FF\n0x00000000", "\xC3\xA9"})
        EXPECT_EQ(Read(text), Untouched) << text;
}

// Every notation as the program prints it, upper and lower case, with and
// without the top byte, reads back as the colour it was printed from.
TEST(ColorText, TheProgramsOwnLiteralsReadBack)
{
    for (std::uint32_t seed = 0; seed < 4096; ++seed)
    {
        const ColorValue value = (seed * 2654435761u) & 0xFFFFFF;
        RColor color(value);
        for (int format = 0; format < HexFormatCount; ++format)
        {
            color.SetHexFormat(format);
            const std::string literal = color.GetHexValue().Text();
            EXPECT_EQ(Read(literal), value) << literal;
            EXPECT_EQ(Read(Lower(literal)), value) << literal;
            if (format > 0) // drop the top byte's "00"
            {
                const std::size_t digits = literal.find_first_of("0123456789ABCDEF", format == 1 ? 2 : 1);
                EXPECT_EQ(Read(literal.substr(0, digits) + literal.substr(digits + 2)), value) << literal;
            }
        }
        EXPECT_EQ(Read(CssRgbText(value)), value) << CssRgbText(value);
    }
}

TEST(ColorText, EveryNamedColourByItsName)
{
    for (int i = 1; i < NamedColorCount; ++i)
    {
        EXPECT_EQ(Read(NamedColors[i].Name), NamedColors[i].Value) << NamedColors[i].Name;
        EXPECT_EQ(Read(Lower(NamedColors[i].Name)), NamedColors[i].Value) << NamedColors[i].Name;
    }
}

TEST(ColorText, CssFunctionsWithHueAndAlpha)
{
    const struct
    {
        const char* Text;
        ColorValue Color;
    } cases[] = {
        {"hsl(0, 100%, 50%)", ColorValueOf(255, 0, 0)},
        {"HSL(120,100%,25%)", ColorValueOf(0, 128, 0)},
        {"hsl(240deg, 100%, 50%)", ColorValueOf(0, 0, 255)},
        {"hsl(600, 100%, 50%)", ColorValueOf(0, 0, 255)}, // round the circle
        {"hsl(-120, 100%, 50%)", ColorValueOf(0, 0, 255)},
        {"hsl(39, 100%, 50%)", ColorValueOf(255, 166, 0)},
        {"hsl(38.8, 100%, 50%)", ColorValueOf(255, 165, 0)},
        {"hsl(0, 0%, 100%)", ColorValueOf(255, 255, 255)},
        {"hsl(300, 0%, 50%)", ColorValueOf(128, 128, 128)}, // no saturation: any hue is grey
        {"hsl(210, 12.5%, 40.5%)", ColorValueOf(90, 103, 116)},
        {"hsla(0, 100%, 50%, 0.5)", ColorValueOf(255, 0, 0)},
        {"hsla(0, 100%, 50%, 40%)", ColorValueOf(255, 0, 0)},
        {"rgba(255, 165, 0, 0)", ColorValueOf(255, 165, 0)},
        {" rgba ( 255 , 165 , 0 , 1 ) ", ColorValueOf(255, 165, 0)},
        {"rgba(255, 165, 0, .25)", ColorValueOf(255, 165, 0)},
    };
    for (const auto& test : cases)
    {
        ColorValue color = Untouched;
        EXPECT_TRUE(ParseColorText(test.Text, color)) << test.Text;
        EXPECT_EQ(color, test.Color) << test.Text;
    }
}

TEST(ColorText, CssTextsOfAColour)
{
    const struct
    {
        ColorValue Color;
        const char* Rgb;
        const char* Hsl;
    } cases[] = {
        {ColorValueOf(255, 165, 0), "rgb(255, 165, 0)", "hsl(39, 100%, 50%)"},
        {0, "rgb(0, 0, 0)", "hsl(0, 0%, 0%)"},
        {ColorValueOf(255, 255, 255), "rgb(255, 255, 255)", "hsl(0, 0%, 100%)"},
        {ColorValueOf(128, 0, 128), "rgb(128, 0, 128)", "hsl(300, 100%, 25%)"},
        {ColorValueOf(255, 0, 1), "rgb(255, 0, 1)", "hsl(0, 100%, 50%)"}, // 359.8 degrees
        {ColorValueOf(70, 130, 180), "rgb(70, 130, 180)", "hsl(207, 44%, 49%)"},
    };
    for (const auto& test : cases)
    {
        EXPECT_EQ(CssRgbText(test.Color), test.Rgb);
        EXPECT_EQ(CssHslText(test.Color), test.Hsl);
    }
}

// Whole degrees and percents cannot name every colour. Read back, the hsl()
// text lands within what its rounding allows: half a degree moves a channel
// of a vivid colour by two steps, half a percent of lightness by one or two.
TEST(ColorText, CssHslTextReadsBackWithinItsRounding)
{
    int worst = 0;
    for (std::uint32_t seed = 0; seed < 20000; ++seed)
    {
        const ColorValue value = (seed * 2654435761u) & 0xFFFFFF;
        const ColorValue again = Read(CssHslText(value));
        ASSERT_NE(again, Untouched) << CssHslText(value);
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(int(value >> shift & 0xFF) - int(again >> shift & 0xFF)));
    }
    EXPECT_LE(worst, 4);
}

// Colours read from text people paste: every accepted form, the program's
// own literals read back, and what is refused.
#include "colour/ColorText.h"
#include "colour/ColorNotation.h"
#include "colour/CssColor.h"
#include "colour/CssNamedColors.h"
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
    const ColorValue red = ColorValueOf(255, 0, 0), white = ColorValueOf(255, 255, 255);
    const ColorValue cyan = ColorValueOf(0, 255, 255), grey = ColorValueOf(128, 128, 128);
    const struct
    {
        const char* Text;
        ColorValue Color;
    } cases[] = {
        // The hex forms; an alpha is read and left aside.
        {"#FFA500", orange},
        {"#ffa500", orange},
        {"  #FFA500\n", orange},
        {"#F80", ColorValueOf(0xFF, 0x88, 0x00)},
        {"#fff", white},
        {"#FFA50080", orange},
        {"#F80C", ColorValueOf(0xFF, 0x88, 0x00)},
        {"0x0000A5FF", orange},
        {"0X0000a5ff", orange},
        {"0xFFA500", orange},   // six digits: red first, as scripts write it
        {"0xFFFFA500", orange}, // eight not starting 00: alpha first
        {"0x80ffa500", orange},
        {"$0000A5FF", orange},
        {"$00a5ff", orange},
        {"&H0000A5FF&", orange},
        {"&h00a5ff&", orange},
        {"FFA500", orange},
        // rgb() with commas or spaces, numbers or percentages, clamped.
        {"rgb(255, 165, 0)", orange},
        {"RGB(255,165,0)", orange},
        {"rgb( 255 ,165 , 000 )", orange},
        {"rgb (0, 0, 0)", 0},
        {"rgb(255 165 0)", orange},
        {"rgb(255 165 0 / 50%)", orange},
        {"rgba(255 165 0 / .5)", orange},
        {"rgba(255, 165, 0)", orange},
        {"rgb(100% 64.7% 0%)", orange},
        {"rgb(100%, 64.7%, 0%, 0.1)", orange},
        {"rgb(300 165 -10)", orange},
        {"rgb(255 165 none)", orange},
        {"rgb(2.55e2 +165 0e0)", orange},
        {"rgb(127.5 0 0)", ColorValueOf(128, 0, 0)},
        {"rgb(255 165 0 / 200%)", orange},
        // hsl() and hwb(), hues in every unit.
        {"hsl(39 100% 50%)", ColorValueOf(255, 166, 0)},
        {"hsl(39deg 100 50)", ColorValueOf(255, 166, 0)},
        {"hsl(0.5turn 100% 50%)", cyan},
        {"hsl(200grad 100% 50%)", cyan},
        {"hsl(3.14159265rad 100% 50%)", cyan},
        {"hsl(none 0% 50.2%)", grey},
        {"hsla(0 100% 50% / 1)", red},
        {"hsl(0 -10% 50.2%)", grey}, // a negative saturation is none
        {"hwb(0 0% 0%)", red},
        {"hwb(120 0% 49.8%)", ColorValueOf(0, 128, 0)},
        {"hwb(0 60% 60%)", grey}, // whiteness and blackness past 100%: a grey
        {"hsv(0, 100%, 100%)", red},
        {"hsv(180 100 100)", cyan},
        // The Lab family, numbers and percentages.
        {"lab(54.29 80.8 69.89)", red},
        {"lab(100% 0 0)", white},
        {"lab(-10 0 0)", 0},
        {"LCH(54.29% 106.84 40.86)", red},
        {"lch(54.29 71.227% 40.86deg)", red},
        {"oklab(0.628 0.22486 0.12585)", red},
        {"oklab(62.8% 56.215% 31.4625%)", red},
        {"oklch(0.628 0.25768 29.23)", red},
        {"oklch(62.8% 64.42% 29.23 / 0.5)", red},
        {"oklch(1 0 none)", white},
        // color() in every space.
        {"color(srgb 1 0.5 0)", ColorValueOf(255, 128, 0)},
        {"color(srgb 100% 50% 0%)", ColorValueOf(255, 128, 0)},
        {"color(srgb-linear 1 0.2158605 0)", ColorValueOf(255, 128, 0)},
        {"color(display-p3 1 1 1)", white},
        {"color(a98-rgb 1 1 1 / 0.5)", white},
        {"color(prophoto-rgb 1 1 1)", white},
        {"color(rec2020 0 0 0)", 0},
        {"color(xyz 0.9505 1 1.089)", white},
        {"color(xyz-d65 0.4124 0.2126 0.0193)", red},
        {"color(xyz-d50 0.9642 1 0.8251)", white},
        // Names: the web's spelling means the web's colour, the list's
        // spelling the list's.
        {"Orange", orange},
        {"ORANGE", orange},
        {"Alice Blue", ColorValueOf(0xF0, 0xF8, 0xFF)},
        {"aliceblue", ColorValueOf(0xF0, 0xF8, 0xFF)},
        {"aquamarine", ColorValueOf(0x7F, 0xFF, 0xD4)},
        {"rebeccapurple", ColorValueOf(0x66, 0x33, 0x99)},
        {"DarkSlateGrey", ColorValueOf(0x2F, 0x4F, 0x4F)},
        {"darkseagreen", ColorValueOf(0x8F, 0xBC, 0x8F)},
        {"Dark sea green", ColorValueOf(0x8F, 0xBC, 0x8B)},
        {"dark-sea-green", ColorValueOf(0x8F, 0xBC, 0x8B)},
        {"lightgoldenrodyellow", ColorValueOf(0xFA, 0xFA, 0xD2)},
        {"#000000", 0},
    };
    for (const auto& test : cases)
    {
        ColorValue color = Untouched;
        EXPECT_TRUE(ParseColorText(test.Text, color)) << test.Text << ": " << ReadColorText(test.Text).Refusal;
        EXPECT_EQ(color, test.Color) << test.Text;
    }
}

// What is refused changes nothing, and says why in a line a person reads.
TEST(ColorText, RefusedTextsChangeNothingAndSayWhy)
{
    const struct
    {
        const char* Text;
        const char* Reason; // a part of it
    } cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"transparent", "opaque"},
        {"currentColor", "no colour of its own"},
        {"Canvas", "system colour"},
        {"ButtonFace", "system colour"},
        {"color-mix(in srgb, red, blue)", "mixes colours"},
        {"rgb(calc(255) 0 0)", "'calc()' inside a colour"},
        {"rgb(from red r g b)", "relative colours"},
        {"var(--brand)", "variable"},
        {"rgb(1 2)", "needs three values"},
        {"rgb(1, 2 3)", "one between every two"},
        {"rgb(1, 2%, 3)", "numbers only or percentages only"},
        {"hsl(0, 100, 50%)", "percentages for saturation and lightness"},
        {"rgb(none, 0, 0)", "'none' is not allowed with commas"},
        {"hwb(0, 0%, 0%)", "spaces, not commas"},
        {"hsl(10% 50% 50%)", "hue"},
        {"lab(50 10deg 0)", "angle"},
        {"rgb(10px 0 0)", "unit 'px'"},
        {"rgb(1 2 3 4)", "alpha"},
        {"rgb(1 2 3 / )", "alpha"},
        {"rgb(1, 2, 3, 4, 5)", "alpha"},
        {"color(foo 1 2 3)", "not a colour space"},
        {"color(1 2 3)", "colour space first"},
        {"color(--custom 1 2 3)", "not a colour space"},
        {"rgb(1e400 0 0)", "too large"},
        {"rgb(1.5.5 0 0)", "not a number"},
        {"rgb(. 0 0)", "not a number"},
        {"rgb(1 2 3", "must end with ')'"},
        {"frob(1 2 3)", "does not begin a colour function"},
        {"rgb(1 2 3))", ""},
        {"#12345", "hex digits"},
        {"#GGGGGG", "hex digits"},
        {"0x1234567", "6 or 8 hex digits"},
        {"0xFFFFFFFFF", "6 or 8 hex digits"},
        {"0xGG00FF00", "6 or 8 hex digits"},
        {"$8000000F", "8 starting 00"},
        {"&H0000A5FF", "8 starting 00"},
        {"Orangey", "no colour name"},
        {"None", "no colour name"},
        {"Orange Red Blue", ""},
        {"#FFA500#FFA500", ""},
        {"0x0000A5FF\n0x00000000", ""},
        {"\xC3\xA9", ""},
        {"12ABE", ""},
    };
    for (const auto& test : cases)
    {
        EXPECT_EQ(Read(test.Text), Untouched) << test.Text;
        const RColorReading reading = ReadColorText(test.Text);
        EXPECT_FALSE(reading.Color.has_value()) << test.Text;
        EXPECT_NE(reading.Refusal.find(test.Reason), std::string::npos) << test.Text << ": " << reading.Refusal;
        EXPECT_EQ(reading.Refusal.find('\n'), std::string::npos) << test.Text;
    }
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
            if (format > 1) // drop the top byte's "00" (in C++'s, six digits are red first)
            {
                const std::size_t digits = literal.find_first_of("0123456789ABCDEF", 1);
                EXPECT_EQ(Read(literal.substr(0, digits) + literal.substr(digits + 2)), value) << literal;
            }
        }
    }
}

// Every web name reads as the web's colour; where the window's list names
// the same colour otherwise spelled, both agree, but for the one colour the
// list keeps of its own.
TEST(ColorText, EveryWebNameAndTheListAgree)
{
    int shared = 0;
    for (const RCssNamedColor& named : CssNamedColors)
    {
        EXPECT_EQ(Read(named.Name), named.Value) << named.Name;
        for (int i = 1; i < NamedColorCount; ++i)
        {
            std::string folded;
            for (const char c : std::string(NamedColors[i].Name))
                if (c != ' ' && c != '-')
                    folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (folded != named.Name)
                continue;
            ++shared;
            if (folded != "darkseagreen")
            {
                EXPECT_EQ(NamedColors[i].Value, named.Value) << named.Name;
            }
        }
    }
    EXPECT_EQ(shared, 138); // all but "Corn flower" and "Light goldenrod", which the web spells longer
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

// Each printed form of a few colours, the red and the awkward ends.
TEST(ColorText, PrintedFormsOfAColour)
{
    const struct
    {
        ColorValue Color;
        const char* Texts[7]; // rgb, rgb-comma, hsl, hsl-comma, hwb, hsv, hex
    } cases[] = {
        {ColorValueOf(255, 0, 0),
         {"rgb(255 0 0)", "rgb(255, 0, 0)", "hsl(0 100% 50%)", "hsl(0, 100%, 50%)", "hwb(0 0% 0%)",
          "hsv(0, 100%, 100%)", "#ff0000"}},
        {ColorValueOf(255, 165, 0),
         {"rgb(255 165 0)", "rgb(255, 165, 0)", "hsl(39 100% 50%)", "hsl(39, 100%, 50%)", "hwb(39 0% 0%)",
          "hsv(39, 100%, 100%)", "#ffa500"}},
        {0, {"rgb(0 0 0)", "rgb(0, 0, 0)", "hsl(0 0% 0%)", "hsl(0, 0%, 0%)", "hwb(0 0% 100%)", "hsv(0, 0%, 0%)", "#000000"}},
        {ColorValueOf(255, 0, 1), // 359.8 degrees
         {"rgb(255 0 1)", "rgb(255, 0, 1)", "hsl(0 100% 50%)", "hsl(0, 100%, 50%)", "hwb(0 0% 0%)",
          "hsv(0, 100%, 100%)", "#ff0001"}},
        {ColorValueOf(70, 130, 180),
         {"rgb(70 130 180)", "rgb(70, 130, 180)", "hsl(207 44% 49%)", "hsl(207, 44%, 49%)", "hwb(207 27% 29%)",
          "hsv(207, 61%, 71%)", "#4682b4"}},
    };
    const char* ids[] = {"rgb", "rgb-comma", "hsl", "hsl-comma", "hwb", "hsv", "hex"};
    for (const auto& test : cases)
        for (std::size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(LiteralOf(test.Color, *FindColorNotation(ids[i])), test.Texts[i]);
}

#include "colour/ColorNotation.h"
#include "colour/ColorText.h"
#include "colour/RColor.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Every form that reads back reads its own text back as the colour printed,
// over a grid of every component's edges and middles.
TEST(ColorNotation, EveryFormReadsItsOwnTextBack)
{
    const int steps[] = {0, 1, 15, 16, 127, 128, 200, 254, 255};
    for (const RColorNotation& notation : ColorNotations())
        for (const int red : steps)
            for (const int green : steps)
                for (const int blue : steps)
                {
                    const ColorValue color = ColorValueOf(static_cast<std::uint8_t>(red),
                                                          static_cast<std::uint8_t>(green),
                                                          static_cast<std::uint8_t>(blue));
                    const std::string text = LiteralOf(color, notation);
                    ASSERT_FALSE(text.empty()) << notation.Id;
                    if (notation.Read == nullptr)
                        continue;
                    const auto read = notation.Read(text);
                    ColorValue pasted = 0;
                    ASSERT_TRUE(read.has_value()) << notation.Id << " " << text;
                    ASSERT_TRUE(ParseColorText(text, pasted)) << text;
                    EXPECT_EQ(pasted, *read) << notation.Id << " " << text;
                    // Whole degrees and percents need not come back exactly;
                    // their own test bounds them.
                    const std::string id = notation.Id;
                    if (id != "hsl" && id != "hsl-comma" && id != "hwb" && id != "hsv")
                    {
                        EXPECT_EQ(*read, color) << notation.Id << " " << text;
                    }
                }
}

// The window's four notations keep their list places (the settings file's
// "HexFormat") and print exactly what the colour descriptor prints.
TEST(ColorNotation, WindowNotationsKeepTheirPlacesAndTheirText)
{
    const std::vector<const char*> list = WindowNotationLabels();
    const std::vector<std::string> labels(list.begin(), list.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"HTML", "C++", "Delphi", "VB"}));
    const ColorValue orange = ColorValueOf(255, 165, 0);
    const char* expected[] = {"#FFA500", "0x0000A5FF", "$0000A5FF", "&H0000A5FF&"};
    for (int format = 0; format < HexFormatCount; ++format)
    {
        RColor color(orange);
        color.SetHexFormat(format);
        EXPECT_EQ(LiteralOf(orange, format), expected[format]);
        EXPECT_EQ(LiteralOf(orange, format), color.GetHexValue().Text());
        EXPECT_EQ(WindowNotation(format).HexFormat, format);
    }
    // Every colour's literal as the descriptor prints it.
    for (ColorValue value = 0; value < (1u << 24); value += 4093)
        for (int format = 0; format < HexFormatCount; ++format)
        {
            RColor color(value);
            color.SetHexFormat(format);
            ASSERT_EQ(LiteralOf(value, format), color.GetHexValue().Text());
        }
    // Outside the list, the first notation, as a damaged setting is read.
    EXPECT_EQ(LiteralOf(orange, 4), "#FFA500");
    EXPECT_EQ(LiteralOf(orange, -1), "#FFA500");
}

TEST(ColorNotation, IdsAreUniqueAndFound)
{
    std::set<std::string> ids;
    for (const RColorNotation& notation : ColorNotations())
    {
        EXPECT_TRUE(ids.insert(notation.Id).second) << notation.Id;
        EXPECT_EQ(FindColorNotation(notation.Id), &notation);
    }
    EXPECT_EQ(FindColorNotation("OKLCH"), FindColorNotation("oklch")); // in any case
    EXPECT_EQ(FindColorNotation("C++"), nullptr);                      // ids, not labels
    EXPECT_EQ(FindColorNotation(""), nullptr);
}

// Pasted into a number box, a run of digits stays digits; a text with a
// form's mark, or a name, is a colour.
TEST(ColorNotation, OnlyMarkedTextsAreColoursInABox)
{
    ColorValue color = 0x123;
    for (const char* digits : {"123456", "255", "0", "00FF00"})
        EXPECT_FALSE(ParseMarkedColorText(digits, color)) << digits;
    EXPECT_EQ(color, 0x123u);
    for (const char* marked : {"#00FF00", "0x0000FF00", "$0000FF00", "&H0000FF00&", "rgb(0, 255, 0)", "lime",
                               "oklch(0.86644 0.29483 142.5)", "0xFF00FF00", "0x00FF00"})
    {
        color = 0;
        EXPECT_TRUE(ParseMarkedColorText(marked, color)) << marked;
        EXPECT_EQ(color, ColorValueOf(0, 255, 0)) << marked;
    }
}

// The bare digits design tools paste: read in a paste, in either case, red
// first; only six digits; never in a box.
TEST(ColorNotation, BareHexDigitsPasteAsAColour)
{
    const RColorNotation* bare = FindColorNotation("hex-digits");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(LiteralOf(ColorValueOf(0x12, 0xAB, 0xEF), *bare), "12ABEF");
    ColorValue color = 0;
    EXPECT_TRUE(ParseColorText(" 12abEF\n", color));
    EXPECT_EQ(color, ColorValueOf(0x12, 0xAB, 0xEF));
    for (const char* refused : {"12ABE", "12ABEF0", "12ABEG", "+12ABE"})
        EXPECT_FALSE(ParseColorText(refused, color)) << refused;
    EXPECT_FALSE(ParseMarkedColorText("12ABEF", color));
}

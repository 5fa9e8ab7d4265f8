#include "colour/RColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace
{

bool BeforeIgnoringCase(const char* a, const char* b)
{
    const std::string x(a), y(b);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                        [](unsigned char p, unsigned char q)
                                        { return std::tolower(p) < std::tolower(q); });
}

TEST(NamedColors, LookupsClampTheIndex)
{
    EXPECT_STREQ(RColor::GetColorName(-5), "None");
    EXPECT_STREQ(RColor::GetColorName(0), "None");
    EXPECT_STREQ(RColor::GetColorName(140), "Yellow-green");
    EXPECT_STREQ(RColor::GetColorName(141), "Yellow-green");
    EXPECT_EQ(RColor::GetNamedColor(-1), 0x7FFFFFFFu);
    EXPECT_EQ(RColor::GetNamedColor(1000), RColor::GetNamedColor(140));
    EXPECT_EQ(RColor::GetNamedColor(140), 0x0032CD9Au); // #9ACD32, blue first
}

TEST(NamedColors, RowsThatUsersMeetByName)
{
    const struct
    {
        int Index;
        const char* Name;
        ColorValue Value;
    } rows[] = {
        {1, "Alice Blue", 0x00FFF8F0},   {3, "Aqua", 0x00FFFF00},
        {4, "Aqua-marine", 0x00D4FF7F},  {18, "Corn flower", 0x00ED9564},
        {21, "Cyan", 0x00FFFF00},        {46, "Fuchsia", 0x00FF00FF},
        {55, "Hotpink", 0x00B469FF},     {68, "Light green", 0x0090EE90},
        {69, "Light gray", 0x00D3D3D3},  {80, "Magenta", 0x00FF00FF},
        {90, "Medium violet-red", 0x008515C7}, {100, "Orange", 0x0000A5FF},
        {114, "Red", 0x000000FF},        {137, "White", 0x00FFFFFF},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Index);
        EXPECT_STREQ(RColor::GetColorName(row.Index), row.Name);
        EXPECT_EQ(RColor::GetNamedColor(row.Index), row.Value);
    }
}

TEST(NamedColors, SharedValuesReportTheFirstRow)
{
    EXPECT_EQ(RColor::FindNamedColor(RColor::GetNamedColor(21)), 3);
    EXPECT_EQ(RColor::FindNamedColor(RColor::GetNamedColor(80)), 46);
    EXPECT_EQ(RColor::FindNamedColor(0x7FFFFFFF), 0);
    EXPECT_EQ(RColor::FindNamedColor(0x00FFFFFF), 137);
    EXPECT_EQ(RColor::FindNamedColor(0x00010203), -1);
    EXPECT_EQ(RColor::FindNamedColor(0x01000000), -1); // black with a top byte is not black
}

// Every row is found at its own index, except the second of the two pairs
// that share a value.
TEST(NamedColors, EveryRowIsFoundAtItsFirstIndex)
{
    for (int i = 0; i < NamedColorCount; ++i)
    {
        const int expected = i == 21 ? 3 : i == 80 ? 46 : i;
        EXPECT_EQ(RColor::FindNamedColor(RColor::GetNamedColor(i)), expected) << i;
    }
}

// Sorted by name, case-insensitively, except the one pair out of order; names
// unique; plain RGB values after row 0.
TEST(NamedColors, TableIsSortedUniqueAndPlainRGB)
{
    std::set<std::string> names;
    for (int i = 1; i < NamedColorCount; ++i)
    {
        EXPECT_TRUE(names.insert(NamedColors[i].Name).second) << NamedColors[i].Name;
        EXPECT_EQ(NamedColors[i].Value >> 24, 0u) << NamedColors[i].Name;
        if (i > 1 && i != 69)
        {
            EXPECT_TRUE(BeforeIgnoringCase(NamedColors[i - 1].Name, NamedColors[i].Name))
                << NamedColors[i - 1].Name << " before " << NamedColors[i].Name;
        }
    }
    EXPECT_STREQ(NamedColors[68].Name, "Light green");
    EXPECT_STREQ(NamedColors[69].Name, "Light gray");
}

TEST(HexFormats, NamesInListOrder)
{
    const char* expected[] = {"HTML", "C++", "Delphi", "VB"};
    for (int i = 0; i < HexFormatCount; ++i)
        EXPECT_STREQ(HexFormats[i].Name, expected[i]);
}

} // namespace

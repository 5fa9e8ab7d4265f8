// The recent colours: which colours they keep and in what order, how they
// are written into the settings file, and that a damaged value costs only
// the history.
#include "ui/RecentColors.h"

#include "colour/ColorNotation.h"
#include "settings/RAppReg.h"
#include "support/SettingsImage.h"
#include "support/SettingsPlace.h"
#include "support/TestFolder.h"
#include "ui/SwatchMenu.h"
#include "colour/CssNamedColors.h"
#include "settings/UserFormats.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>

namespace
{

const ColorValue Red = ColorValueOf(255, 0, 0), Green = ColorValueOf(0, 255, 0), Blue = ColorValueOf(0, 0, 255);

TEST(RecentColors, NewestFirstDistinctAndSixteenAtMost)
{
    RRecentColors recent;
    recent.Take(Red);
    recent.Take(Green);
    recent.Take(0x7F0000FF); // a system-colour reference: its low bytes, red
    EXPECT_EQ(recent.Colors(), (std::vector<ColorValue>{Red, Green}));
    for (ColorValue grey = 0; grey < 17; ++grey)
        recent.Take(ColorValueOf(static_cast<std::uint8_t>(grey), 1, 1));
    ASSERT_EQ(recent.Colors().size(), 16u);
    EXPECT_EQ(recent.Colors().front(), ColorValueOf(16, 1, 1));
    EXPECT_EQ(recent.Colors().back(), ColorValueOf(1, 1, 1));
}

TEST(RecentColors, TextReadsBackAndAnythingElseEmptiesTheHistory)
{
    RRecentColors recent;
    recent.Take(Blue);
    recent.Take(ColorValueOf(0x12, 0xAB, 0xEF));
    EXPECT_EQ(recent.Text(), "#12ABEF #0000FF");
    RRecentColors again;
    EXPECT_TRUE(again.SetText(recent.Text()));
    EXPECT_EQ(again.Colors(), recent.Colors());
    EXPECT_TRUE(again.SetText(""));
    EXPECT_TRUE(again.Colors().empty());

    std::string seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += (i ? " #0000" : "#0000") + std::string(i < 10 ? "0" : "1") + std::to_string(i % 10);
    for (const std::string& damaged :
         {std::string("#12ABEF #0000F"), std::string("#12abef"), std::string("#12ABEF  #0000FF"),
          std::string("#12ABEF "), std::string(" #12ABEF"), std::string("#12ABEF,#0000FF"),
          std::string("#0000FF #0000FF"), std::string("12ABEF0"), std::string("#12ABEG"), seventeen,
          std::string("#12ABEF\0#0000FF", 15)})
    {
        RRecentColors history;
        history.Take(Red);
        EXPECT_FALSE(history.SetText(damaged)) << damaged;
        EXPECT_TRUE(history.Colors().empty()) << damaged;
    }
}

TEST(RecentColors, MenuLabelsInTheCurrentNotationWithAmpersandsShown)
{
    const auto entries = RecentMenuEntries({Red, Blue}, 3);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Label, "&1  &&H000000FF&&");
    EXPECT_EQ(entries[0].Color, Red);
    EXPECT_EQ(RecentMenuEntries({Blue}, 0)[0].Label, "&1  #0000FF");
}

// One copy entry per form the menu offers at its top level, in the table's
// order, each naming the form and copying its text, then Paste; ampersands
// doubled for the menu, never in what is copied.
TEST(SwatchMenu, ACopyOfTheMainFormsThenPaste)
{
    const ColorValue color = ColorValueOf(15, 0, 0);
    const std::vector<RSwatchMenuEntry> entries = SwatchMenuEntries(color);
    std::vector<std::string> texts;
    for (const RSwatchMenuEntry& entry : entries)
        texts.push_back(entry.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"#0F0000", "0x0000000F", "$0000000F", "&H0000000F&",
                                               "rgb(15, 0, 0)", "hsl(0, 100%, 3%)", "0F0000", ""}));
    EXPECT_EQ(entries[0].Label, "Copy #0F0000  (&HTML)");
    EXPECT_EQ(entries[3].Label, "Copy &&H0000000F&&  (&VB)");
    EXPECT_EQ(entries.back().Label, "&Paste");
}

// Copy As: every built-in form, then the user's (one that cannot be read
// greyed, saying why), then Edit Formats.
TEST(SwatchMenu, CopyAsEveryFormThenTheUsersThenEditFormats)
{
    const ColorValue color = ColorValueOf(255, 0, 0);
    const std::vector<RUserFormat> forms = ReadUserFormats("Qt = QColor({r}, {g}, {b})\nBad = {nope}\n");
    const std::vector<RCopyAsEntry> entries = CopyAsMenuEntries(color, forms);
    const auto notations = ColorNotations();
    ASSERT_EQ(entries.size(), notations.size() + 3);
    for (std::size_t i = 0; i < notations.size(); ++i)
    {
        EXPECT_EQ(entries[i].Text, LiteralOf(color, notations[i]));
        EXPECT_TRUE(entries[i].Enabled);
    }
    EXPECT_EQ(entries[3].Label, "&4  &&H000000FF&&\tvb");
    EXPECT_EQ(entries[notations.size() - 2].Label, "&g  oklch(0.628 0.25768 29.23)\toklch");
    const RCopyAsEntry& qt = entries[notations.size()];
    EXPECT_EQ(qt.Label, "&i  QColor(255, 0, 0)\tQt");
    EXPECT_EQ(qt.Text, "QColor(255, 0, 0)");
    const RCopyAsEntry& bad = entries[notations.size() + 1];
    EXPECT_FALSE(bad.Enabled);
    EXPECT_TRUE(bad.Text.empty());
    EXPECT_EQ(bad.ToolTip, "line 2, column 8: unknown placeholder 'nope': see the help's list (r, g, b, rf, hex, "
                           "hsl.h, oklch.l, ...)");
    EXPECT_EQ(bad.LabelWithReason, "&j  Bad\t" + bad.ToolTip);
    EXPECT_TRUE(entries.back().EditsFormats);
    EXPECT_EQ(entries.back().Label, "&Edit Formats\u2026");
}

namespace
{

// The access keys of a menu's labels, lower case, each label's one key;
// an empty key where a label has none or more than one.
std::vector<std::string> AccessKeys(const std::vector<std::string>& labels)
{
    std::vector<std::string> keys;
    for (const std::string& label : labels)
    {
        std::string key;
        int marks = 0;
        for (std::size_t i = 0; i + 1 < label.size(); ++i)
            if (label[i] == '&' && label[++i] != '&')
            {
                ++marks;
                key = static_cast<char>(std::tolower(static_cast<unsigned char>(label[i])));
            }
        keys.push_back(marks == 1 ? key : "");
    }
    return keys;
}

void ExpectOwnKeys(const std::vector<std::string>& labels)
{
    const std::vector<std::string> keys = AccessKeys(labels);
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        EXPECT_FALSE(keys[i].empty()) << labels[i];
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(keys[i], keys[j]) << labels[i] << " and " << labels[j];
    }
}

} // namespace

// Every entry of every menu has a key of its own, whatever the colour's
// texts hold (VB's ampersands) and however many forms and colours there are.
TEST(SwatchMenu, EveryEntryHasAnAccessKeyOfItsOwn)
{
    for (const ColorValue color : {ColorValueOf(15, 0, 0), ColorValueOf(255, 255, 255), ColorValueOf(0, 0, 0)})
    {
        std::vector<std::string> top;
        for (const RSwatchMenuEntry& entry : SwatchMenuEntries(color))
            top.push_back(entry.Label);
        top.push_back(CopyAsMenuTitle);
        top.push_back(RecentColorsMenuTitle);
        ExpectOwnKeys(top);

        std::string userForms;
        for (int i = 0; i < 12; ++i)
            userForms += "Form" + std::to_string(i) + " = {hex}\n";
        std::vector<std::string> copyAs;
        for (const RCopyAsEntry& entry : CopyAsMenuEntries(color, ReadUserFormats(userForms)))
            copyAs.push_back(entry.Label);
        ExpectOwnKeys(copyAs);

        std::vector<std::string> recent;
        for (const RRecentMenuEntry& entry : RecentMenuEntries(std::vector<ColorValue>(16, color), 3))
            recent.push_back(entry.Label);
        recent.push_back(ClearRecentColorsMenuText);
        ExpectOwnKeys(recent);
    }
}

class RecentColorsStoreTest : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};

    std::filesystem::path File() const { return Place.File(false, "tintwell"); }
    std::unique_ptr<RAppReg> Open() { return std::make_unique<RAppReg>(Place.Subfolder().c_str(), false, "tintwell"); }
    // The window's and the options' values, as the program writes them.
    static SettingsImage Options(SettingsImage image)
    {
        image.Section("Window").Variable("Left", "10").Variable("Top", "20").End();
        image.Section("Options").Variable("LastColor", "255").Variable("HexFormat", "3").End();
        return image;
    }
    static SettingsImage Profile() { return SettingsImage().Signature().Section(SettingsPlace::LoginName()); }
};

// The history goes into a section of its own behind the others, which keep
// every byte they had; it comes back in its order.
TEST_F(RecentColorsStoreTest, SavedBehindTheOtherValuesAndReadBack)
{
    const SettingsImage before = Options(Profile());
    TestFolder::WriteBytes(File(), SettingsImage(before).End().Bytes);
    {
        auto store = Open();
        RRecentColors recent;
        LoadRecentColors(*store, recent);
        EXPECT_TRUE(recent.Colors().empty());
        store->SetSection("Options");
        recent.Take(Blue);
        recent.Take(Red);
        SaveRecentColors(*store, recent);
        EXPECT_EQ(store->GetSectionPath(), RString("Options")); // the caller's section is kept
    }
    EXPECT_EQ(TestFolder::ReadBytes(File()),
              SettingsImage(before).Section("Recent").Variable("Colors", "#FF0000 #0000FF").End().End().Bytes);
    auto store = Open();
    RRecentColors recent;
    LoadRecentColors(*store, recent);
    EXPECT_EQ(recent.Colors(), (std::vector<ColorValue>{Red, Blue}));
    EXPECT_EQ(store->GetSectionPath(), RString("")); // the profile itself, as before
}

// Regression: a cleared history was not written, so the old one came back.
TEST_F(RecentColorsStoreTest, AClearedHistoryStaysCleared)
{
    TestFolder::WriteBytes(File(), Options(Profile()).Section("Recent").Variable("Colors", "#FF0000").End().End().Bytes);
    {
        auto store = Open();
        RRecentColors recent;
        LoadRecentColors(*store, recent);
        recent.Clear();
        SaveRecentColors(*store, recent);
    }
    auto store = Open();
    RRecentColors recent;
    recent.Take(Green);
    LoadRecentColors(*store, recent);
    EXPECT_TRUE(recent.Colors().empty());
}

TEST_F(RecentColorsStoreTest, ADamagedHistoryCostsOnlyTheHistory)
{
    const std::string oversized(100000, '#');
    for (const std::string& value : {std::string("#FF0000 rubbish"), oversized})
    {
        TestFolder::WriteBytes(File(), Options(Profile()).Section("Recent").Variable("Colors", value).End().End().Bytes);
        auto store = Open();
        RRecentColors recent;
        recent.Take(Green);
        LoadRecentColors(*store, recent);
        EXPECT_TRUE(recent.Colors().empty());
        store->SetSection("Options");
        EXPECT_EQ(store->ReadInt("LastColor", 0), 255);
        EXPECT_EQ(store->ReadInt("HexFormat", 0), 3);
    }
}

TEST_F(RecentColorsStoreTest, NoHistoryNoChange)
{
    TestFolder::WriteBytes(File(), Options(Profile()).End().Bytes);
    {
        auto store = Open();
        SaveRecentColors(*store, RRecentColors());
        EXPECT_FALSE(store->IsDirty());
    }
    EXPECT_EQ(TestFolder::ReadBytes(File()), Options(Profile()).End().Bytes);
}

TEST(SwatchToolTip, ContrastAgainstWhiteAndBlackWithTheLevelReached)
{
    EXPECT_EQ(SwatchToolTip(0), "Contrast with white: 21.00:1 (AAA)\nContrast with black: 1.00:1 (below AA)\n"
                                "Nearest name: black (exact)");
    // Each level's edge, the ratio cut and never rounded up to the level:
    // against white 4.478, 2.995 and 3.033; against black 7.004 and 6.922.
    const struct
    {
        std::uint8_t Grey;
        const char* White;
        const char* Black;
    } edges[] = {
        {0x77, "4.47:1 (AA large text / UI)", "4.68:1 (AA)"},
        {0x76, "4.54:1 (AA)", "4.62:1 (AA)"},
        {0x95, "2.99:1 (below AA)", "7.01:1 (AAA)"},
        {0x94, "3.03:1 (AA large text / UI)", "6.92:1 (AA)"},
        {0x59, "7.00:1 (AAA)", "2.99:1 (below AA)"},
        {0x5A, "6.89:1 (AA)", "3.04:1 (AA large text / UI)"},
    };
    for (const auto& edge : edges)
    {
        const std::string tip = SwatchToolTip(ColorValueOf(edge.Grey, edge.Grey, edge.Grey));
        EXPECT_EQ(tip.substr(0, tip.find("\nNearest")),
                  std::string("Contrast with white: ") + edge.White + "\nContrast with black: " + edge.Black)
            << edge.Grey;
    }
}

// The nearest web name, by distance in OKLab: the name itself for its own
// colour (the first of two names sharing one), the near one otherwise.
TEST(SwatchToolTip, NearestNameByOklabDistance)
{
    for (const RCssNamedColor& named : CssNamedColors)
    {
        const RNearestName nearest = NearestCssName(named.Value);
        EXPECT_TRUE(nearest.Exact) << named.Name;
        EXPECT_EQ(CssNamedColor(nearest.Name), named.Value) << named.Name;
    }
    EXPECT_STREQ(NearestCssName(ColorValueOf(0, 255, 255)).Name, "aqua");
    const RNearestName nearTomato = NearestCssName(ColorValueOf(254, 99, 71));
    EXPECT_STREQ(nearTomato.Name, "tomato");
    EXPECT_FALSE(nearTomato.Exact);
}

} // namespace

#include "ui/FormLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace
{

std::vector<std::string> Names(const std::vector<const RControlLayout*>& controls)
{
    std::vector<std::string> names;
    for (const RControlLayout* control : controls)
        names.emplace_back(control->Name);
    return names;
}

class EveryLayout : public testing::TestWithParam<const RFormLayout& (*)()>
{
};

} // namespace

TEST(FormLayoutTest, TabRunsThroughTheRgbGroupTheButtonsTheNotationTheHslGroupAndTheNames)
{
    EXPECT_EQ(Names(TabSequence(MainFormLayout())),
              (std::vector<std::string>{"RedEdit", "GrnEdit", "BluEdit", "AboutBtn", "HelpBtn", "CloseBtn",
                                        "HexFormatCB", "HueEdit", "SatEdit", "LumEdit", "ColorNameCB"}));
}

TEST(FormLayoutTest, TheAboutBoxHasOneTabStopItsOkButton)
{
    EXPECT_EQ(Names(TabSequence(AboutDlgLayout())), std::vector<std::string>{"OkBtn"});
}

TEST(FormLayoutTest, ChildrenComeInTabOrderThenTheRestInLayoutOrder)
{
    EXPECT_EQ(Names(ChildrenInTabOrder(MainFormLayout(), "RGBGroup")),
              (std::vector<std::string>{"RedEdit", "RedUpDown", "GrnEdit", "GrnUpDown", "BluEdit", "BluUpDown",
                                        "Label4", "Label5", "Label6"}));
    EXPECT_EQ(Names(ChildrenInTabOrder(MainFormLayout(), nullptr)),
              (std::vector<std::string>{"MainPanel", "SidePanel"}));
}

TEST_P(EveryLayout, NamesAreUniqueAndEveryParentComesBeforeItsChildren)
{
    const RFormLayout& layout = (*GetParam())();
    std::set<std::string> seen;
    for (const RControlLayout& control : layout.Controls)
    {
        if (control.Parent != nullptr)
        {
            EXPECT_TRUE(seen.count(control.Parent)) << control.Name << " comes before its parent";
        }
        EXPECT_TRUE(seen.insert(control.Name).second) << control.Name << " is named twice";
    }
}

TEST_P(EveryLayout, EveryControlLiesWithinItsParent)
{
    // The logo alone starts above its panel, which cuts its top off.
    const RFormLayout& layout = (*GetParam())();
    for (const RControlLayout& control : layout.Controls)
    {
        const int parentWidth = control.Parent ? FindControl(layout, control.Parent).Width : layout.ClientWidth;
        const int parentHeight = control.Parent ? FindControl(layout, control.Parent).Height : layout.ClientHeight;
        const int top = std::strcmp(control.Name, "SidebarImage") == 0 ? control.Top + 4 : control.Top;
        EXPECT_GE(control.Left, 0) << control.Name;
        EXPECT_GE(top, 0) << control.Name;
        EXPECT_LE(control.Left + control.Width, parentWidth) << control.Name;
        EXPECT_LE(control.Top + control.Height, parentHeight) << control.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryLayout, testing::Values(&MainFormLayout, &AboutDlgLayout),
                         [](const auto& row) { return std::string(row.param().Name); });

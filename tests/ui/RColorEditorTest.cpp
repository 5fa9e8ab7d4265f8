#include "ui/RColorEditor.h"

#include "support/FakeEditorView.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

using Box = REditBox;

struct RGB
{
    int R, G, B;
    friend bool operator==(const RGB&, const RGB&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RGB& c)
    {
        return out << c.R << ", " << c.G << ", " << c.B;
    }
};

class ColorEditor : public testing::Test
{
protected:
    FakeEditorView View;
    RColorEditor Editor{View};

    // As the window's first showing leaves it: HSL spins at 0..239, the
    // colour loaded, every view brought up to date; counters from zero.
    void Start(RGB color, int notation = 0)
    {
        View.Editor = &Editor;
        View.UseHSLScale();
        Editor.Color().SetRGB(static_cast<std::uint8_t>(color.R), static_cast<std::uint8_t>(color.G),
                              static_cast<std::uint8_t>(color.B));
        Editor.Color().SetHexFormat(notation);
        View.HexIndex = notation;
        Editor.RefreshColor();
        Editor.RefreshRGBEdits();
        Editor.RefreshHSLEdits();
        View.ResetCounters();
    }
    RGB Colour() const
    {
        return {Editor.Color().GetRed(), Editor.Color().GetGrn(), Editor.Color().GetBlu()};
    }
    std::string Shown(Box box) const { return View.Text[FakeEditorView::At(box)]; }
    int Runs(Box box) const { return View.ChangeRuns[FakeEditorView::At(box)]; }
    int Writes(Box box) const { return View.Writes[FakeEditorView::At(box)]; }

    // Every box reads as the colour, except the one the user typed into.
    void ExpectEveryViewShowsTheColour(Box typedInto)
    {
        const RColor& c = Editor.Color();
        const struct
        {
            Box Which;
            int Value;
        } boxes[] = {{Box::RedEdit, c.GetRed()}, {Box::GrnEdit, c.GetGrn()},
                     {Box::BluEdit, c.GetBlu()}, {Box::HueEdit, c.GetHue()},
                     {Box::SatEdit, c.GetSat()}, {Box::LumEdit, c.GetLum()}};
        for (const auto& box : boxes)
        {
            if (box.Which != typedInto)
            {
                EXPECT_EQ(Shown(box.Which), std::to_string(box.Value));
            }
        }
        EXPECT_EQ(View.Swatch, c.GetColor());
        EXPECT_EQ(View.Hex, std::string(c.GetHexValue().Text()));
        EXPECT_EQ(View.NameIndex, RColor::FindNamedColor(c.GetColor()));
    }
    // Each program write set off one run of that box's handler, which stopped.
    void ExpectEachWriteRanItsHandlerOnce(Box typedInto)
    {
        for (Box box : {Box::RedEdit, Box::GrnEdit, Box::BluEdit, Box::HueEdit, Box::SatEdit,
                        Box::LumEdit})
            EXPECT_EQ(Runs(box), Writes(box) + (box == typedInto ? 1 : 0));
    }
};

TEST_F(ColorEditor, TypingANumberKeepsTheTypedTextAndUpdatesTheRest)
{
    const struct
    {
        RGB Start;
        Box Into;
        const char* Typed;
        RGB Result;
    } rows[] = {
        {{10, 20, 30}, Box::RedEdit, "256", {0, 20, 30}},
        {{10, 20, 30}, Box::RedEdit, "300", {44, 20, 30}},
        {{10, 20, 30}, Box::RedEdit, "-1", {255, 20, 30}},
        {{10, 20, 30}, Box::RedEdit, "", {0, 20, 30}},
        {{10, 20, 30}, Box::RedEdit, "abc", {0, 20, 30}},
        {{10, 20, 30}, Box::GrnEdit, "12ab", {10, 12, 30}},
        {{255, 0, 0}, Box::HueEdit, "300", {255, 0, 0}},  // hue 239 is red still
        {{255, 0, 0}, Box::HueEdit, "0", {255, 0, 0}},    // and so is hue 0
        {{0, 255, 0}, Box::HueEdit, "300", {255, 0, 0}},
        {{0, 255, 0}, Box::HueEdit, "-5", {255, 0, 0}},
        {{255, 0, 0}, Box::LumEdit, "60", {128, 0, 0}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.Start << " typed " << row.Typed);
        Start(row.Start);
        View.Type(row.Into, row.Typed);
        EXPECT_EQ(Colour(), row.Result);
        EXPECT_EQ(Shown(row.Into), row.Typed);
        ExpectEveryViewShowsTheColour(row.Into);
        ExpectEachWriteRanItsHandlerOnce(row.Into);
        EXPECT_LE(View.SwatchFills, 1);
    }
}

TEST_F(ColorEditor, TypingWhatTheColourAlreadyHasDoesNothing)
{
    Start({0, 20, 30});
    View.Type(Box::RedEdit, "");
    View.Type(Box::RedEdit, "0x");
    EXPECT_EQ(View.SwatchFills, 0);
    EXPECT_EQ(Shown(Box::RedEdit), "0x");
}

TEST_F(ColorEditor, AGreyLosesTheTypedHueAndSaturationStartsFromRed)
{
    Start({128, 128, 128});
    View.Type(Box::HueEdit, "100");
    EXPECT_EQ(Colour(), (RGB{128, 128, 128}));
    EXPECT_EQ(Shown(Box::HueEdit), "100");
    EXPECT_EQ(View.Picture->MarkerX, 0);
    View.Type(Box::SatEdit, "239");
    EXPECT_EQ(Colour(), (RGB{255, 1, 1}));
    EXPECT_EQ(Shown(Box::HueEdit), "100"); // an HSL change leaves the HSL boxes alone
}

TEST_F(ColorEditor, NameChoicesEndOnTheFirstNameOfTheirColour)
{
    const struct
    {
        int Chosen;
        RGB Result;
        int Shown;
    } rows[] = {{21, {0, 255, 255}, 3}, {80, {255, 0, 255}, 46}, {0, {255, 255, 255}, 137},
                {100, {255, 165, 0}, 100}};
    for (const auto& row : rows)
    {
        Start({1, 2, 3});
        EXPECT_EQ(View.NameIndex, -1); // no name has 1, 2, 3
        View.ChooseName(row.Chosen);
        EXPECT_EQ(Colour(), row.Result);
        EXPECT_EQ(View.NameIndex, row.Shown);
        ExpectEveryViewShowsTheColour(Box::RedEdit);
        EXPECT_EQ(View.EventRounds, 1); // RefreshColor's only
    }
    View.ChooseName(141); // outside the list: ignored
    EXPECT_EQ(View.SwatchFills, 1);
}

TEST_F(ColorEditor, ANotationChangeRewritesOnlyTheHexText)
{
    Start({255, 165, 0});
    EXPECT_EQ(View.Hex, "#FFA500");
    View.ChooseNotation(1);
    EXPECT_EQ(View.Hex, "0x0000A5FF");
    View.ChooseNotation(7);
    EXPECT_EQ(View.Hex, "#FFA500");
    EXPECT_EQ(View.Writes, (std::array<int, 6>{}));
    EXPECT_EQ(View.SwatchFills, 2);
}

TEST_F(ColorEditor, SpinArrows)
{
    Start({255, 0, 0});
    View.ClickArrow(Box::RedEdit, +1); // at its limit
    EXPECT_EQ(View.SwatchFills, 0);
    EXPECT_EQ(Writes(Box::RedEdit), 0);

    Start({254, 0, 0});
    View.ClickArrow(Box::RedEdit, +1);
    EXPECT_EQ(Colour(), (RGB{255, 0, 0}));
    EXPECT_EQ(Shown(Box::RedEdit), "255");
    EXPECT_EQ(View.SwatchFills, 1); // every other view updated once
    ExpectEveryViewShowsTheColour(Box::RedEdit);

    // Hue 26 reads back as 25, so the click handler applies 26 a second time.
    Start({255, 165, 0});
    EXPECT_EQ(Shown(Box::HueEdit), "25");
    View.ClickArrow(Box::HueEdit, +1);
    EXPECT_EQ(Colour(), (RGB{255, 166, 0}));
    EXPECT_EQ(Shown(Box::HueEdit), "26");
    EXPECT_EQ(Editor.Color().GetHue(), 25);
    EXPECT_EQ(Runs(Box::HueEdit), 1);
    EXPECT_EQ(View.SwatchFills, 2);
}

TEST_F(ColorEditor, TheColourDialog)
{
    Start({255, 165, 0});
    View.DialogConfirms = true;
    View.DialogAnswer = Editor.Color().GetColor();
    Editor.ColorDlgSelectSBtnClick();
    EXPECT_EQ(View.DialogStart, 0x0000A5FFu);
    EXPECT_EQ(View.Writes, (std::array<int, 6>{})); // nothing differs, nothing is rewritten
    EXPECT_EQ(View.EventRounds, 2);

    View.DialogAnswer = 0x00332211;
    Editor.ColorDlgSelectSBtnClick();
    EXPECT_EQ(Colour(), (RGB{0x11, 0x22, 0x33}));
    ExpectEveryViewShowsTheColour(Box::RedEdit);

    View.DialogConfirms = false;
    View.ResetCounters();
    Editor.ColorDlgSelectSBtnClick();
    EXPECT_EQ(View.SwatchFills, 0);
}

TEST_F(ColorEditor, ClicksInThePlaneAndTheBar)
{
    Start({128, 128, 128});
    Editor.HueSatImageMouseUp(41, 0); // the hue is lost in the grey first
    EXPECT_EQ(Colour(), (RGB{255, 1, 1}));
    ExpectEveryViewShowsTheColour(Box::RedEdit);
    Editor.HueSatImageMouseUp(41, 0);
    EXPECT_EQ(Colour(), (RGB{1, 255, 250}));
    EXPECT_EQ(Editor.Color().GetHue(), 118);

    Start({0, 0, 0});
    Editor.HueSatImageMouseUp(20, 20); // black stays black
    EXPECT_EQ(Colour(), (RGB{0, 0, 0}));

    Start({100, 149, 237});
    Editor.LumImageMouseUp(5, 0);
    EXPECT_EQ(Colour(), (RGB{255, 255, 255}));
    Start({100, 149, 237});
    Editor.LumArrowImageMouseUp(3, -40); // above the bar is white too
    EXPECT_EQ(Colour(), (RGB{255, 255, 255}));
}

// Events processed inside a refresh may run another handler; the outer one
// then continues with the newest colour, and every view ends on it.
TEST_F(ColorEditor, ANestedHandlerWinsAndEveryViewFollows)
{
    Start({0, 0, 0});
    View.Queue.push_back([this] { View.ChooseName(114); }); // "Red", chosen meanwhile
    View.Type(Box::GrnEdit, "200");
    EXPECT_EQ(Colour(), (RGB{255, 0, 0}));
    EXPECT_EQ(View.NameIndex, 114);
    ExpectEveryViewShowsTheColour(Box::GrnEdit);
    EXPECT_EQ(Shown(Box::GrnEdit), "0");
}

TEST(UpDownStep, StepsFromTheBoxOrItsOwnPosition)
{
    const struct
    {
        const char* Text;
        int Position, Max, Delta;
        bool Moved;
        int Result;
    } rows[] = {
        {"25", 0, 239, +1, true, 26},  {" 12 ", 0, 255, +1, true, 13},
        {"239", 0, 239, +1, false, 239}, {"0", 9, 255, -1, false, 0},
        {"abc", 7, 255, +1, true, 8},  {"300", 5, 255, +1, true, 6},
        {"12ab", 4, 255, -1, true, 3}, {"", 250, 239, +1, true, 239},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Text);
        int position = row.Position;
        EXPECT_EQ(StepUpDown(row.Text, position, 0, row.Max, row.Delta), row.Moved);
        EXPECT_EQ(position, row.Result);
    }
}

} // namespace

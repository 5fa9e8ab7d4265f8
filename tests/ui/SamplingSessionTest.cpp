// One sampling of the screen, however a window layer shows it: what each
// movement, click and key does, and what a pick from the command line
// answers.
#include "colour/ColorNotation.h"
#include "ui/SamplingSession.h"

#include "support/FakeEditorView.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace
{

constexpr ColorValue Red = ColorValueOf(255, 0, 0), Blue = ColorValueOf(0, 0, 255);

class SamplingSessionTest : public testing::Test
{
protected:
    FakeEditorView View;
    RColorEditor Editor{View};
    RSamplingSession Session{Editor};
    std::vector<std::optional<std::string>> Answers;

    SamplingSessionTest() { View.Editor = &Editor; }
    void PickForCommandLine()
    {
        // The answer as the command line prints it by default.
        Session.PickForCommandLine([this](const std::optional<RPickedColor>& picked)
        {
            Answers.push_back(picked ? std::optional(LiteralOf(picked->Color, picked->HexFormat)) : std::nullopt);
        });
    }
};

} // namespace

TEST_F(SamplingSessionTest, EveryMovementSetsTheColourAndTheEndKeepsTheLast)
{
    Session.Begin(true);
    ASSERT_TRUE(Session.IsSampling());
    Session.Follow(Red);
    EXPECT_EQ(View.Hex, "#FF0000");
    EXPECT_TRUE(Editor.RecentColors().Colors().empty()); // moving takes nothing
    Session.Take(Blue);
    Session.End();
    EXPECT_FALSE(Session.IsSampling());
    EXPECT_EQ(View.Hex, "#0000FF");
    EXPECT_EQ(Editor.RecentColors().Colors(), std::vector<ColorValue>{Blue});
    // An unreadable pixel is white, as the colour value's low bytes say.
    Session.Begin(true);
    Session.Take(0xFFFFFFFF);
    Session.End();
    EXPECT_EQ(View.Hex, "#FFFFFF");
    Session.End(); // a second end, after the window went, changes nothing
    EXPECT_EQ(Editor.RecentColors().Colors().size(), 2u);
}

// Outside a script's pick, every character takes the pixel, Escape too;
// keys that type nothing do nothing.
TEST_F(SamplingSessionTest, KeysTakeOrCancelOnlyWhereTheyMay)
{
    const struct
    {
        bool TypesCharacter, Escape, CommandLine;
        RSamplingKey Does;
    } cases[] = {
        {true, false, false, RSamplingKey::Takes},   {true, true, false, RSamplingKey::Takes},
        {false, false, false, RSamplingKey::Nothing}, {true, false, true, RSamplingKey::Takes},
        {true, true, true, RSamplingKey::Cancels},   {false, false, true, RSamplingKey::Nothing},
    };
    for (const auto& test : cases)
    {
        RSamplingSession session(Editor);
        if (test.CommandLine)
            session.PickForCommandLine([](const std::optional<RPickedColor>&) {});
        EXPECT_EQ(session.KeyPressed(test.TypesCharacter, test.Escape), test.Does)
            << test.TypesCharacter << test.Escape << test.CommandLine;
    }
}

TEST_F(SamplingSessionTest, APickFromTheCommandLineAnswersOnce)
{
    View.HexIndex = 1;
    Editor.HexFormatCBChange();
    PickForCommandLine();
    Session.Begin(true);
    Session.Follow(Red);
    EXPECT_TRUE(Answers.empty());
    Session.Take(Blue);
    Session.End();
    ASSERT_EQ(Answers.size(), 1u);
    EXPECT_EQ(Answers[0], std::optional<std::string>("0x00FF0000")); // in the saved notation
}

TEST_F(SamplingSessionTest, CancelledOrImpossiblePicksAnswerNothingAndKeepNothing)
{
    PickForCommandLine();
    Session.Begin(true);
    Session.Follow(Red);
    Session.Cancel();
    Session.End();
    Session.Begin(false); // the screen could not be copied
    EXPECT_FALSE(Session.IsSampling());
    EXPECT_EQ(Answers, (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}));
    EXPECT_TRUE(Editor.RecentColors().Colors().empty());
}

TEST_F(SamplingSessionTest, TheDesktopsPickerAnswersWithWhatItGave)
{
    PickForCommandLine();
    Session.PickerEnded(); // cancelled in the desktop's picker
    Session.PickerPicked(Red);
    Session.PickerEnded();
    EXPECT_EQ(Answers, (std::vector<std::optional<std::string>>{std::nullopt, std::string("#FF0000")}));
    EXPECT_EQ(Editor.RecentColors().Colors(), std::vector<ColorValue>{Red});
}

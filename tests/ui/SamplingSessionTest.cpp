// One sampling of the screen, however a window layer shows it: what each
// movement, click and key does, and what a pick from the command line
// answers.
#include "colour/ColorNotation.h"
#include "ui/AccessibleNames.h"
#include "ui/SamplingSession.h"
#include "ui/WindowTexts.h"

#include "support/FakeEditorView.h"

#include <gtest/gtest.h>

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
    // "0x00FF0000" for a colour picked (as the command line prints it by
    // default), "cancelled", or "cannot: " and the reason.
    std::vector<std::string> Answers;

    SamplingSessionTest() { View.Editor = &Editor; }
    void PickForCommandLine()
    {
        Session.PickForCommandLine([this](const RPickAnswer& answer)
        {
            switch (answer.Outcome)
            {
            case RPickOutcome::Picked:
                Answers.push_back(LiteralOf(answer.Picked.Color, answer.Picked.HexFormat));
                break;
            case RPickOutcome::Cancelled:
                Answers.push_back("cancelled");
                break;
            case RPickOutcome::CannotPick:
                Answers.push_back("cannot: " + answer.Reason);
                break;
            }
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
            session.PickForCommandLine([](const RPickAnswer&) {});
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
    EXPECT_EQ(Answers[0], "0x00FF0000"); // in the saved notation
}

// A script must tell the user's cancel from a desktop where nothing can be
// picked: they answer apart, and keep nothing.
TEST_F(SamplingSessionTest, CancelledOrImpossiblePicksAnswerApartAndKeepNothing)
{
    PickForCommandLine();
    Session.Begin(true);
    Session.Follow(Red);
    Session.Cancel();
    Session.End();
    Session.Begin(false); // the screen could not be copied
    EXPECT_FALSE(Session.IsSampling());
    EXPECT_EQ(Answers, (std::vector<std::string>{"cancelled", std::string("cannot: ") + WindowTexts::ScreenNotCopied}));
    EXPECT_TRUE(Editor.RecentColors().Colors().empty());
}

TEST_F(SamplingSessionTest, TheDesktopsPickerAnswersWithWhatItGave)
{
    PickForCommandLine();
    Session.PickerEnded(); // cancelled in the desktop's picker
    Session.PickerEnded("no portal");
    Session.PickerPicked(Red);
    Session.PickerEnded();
    EXPECT_EQ(Answers, (std::vector<std::string>{"cancelled", "cannot: no portal", "#FF0000"}));
    EXPECT_EQ(Editor.RecentColors().Colors(), std::vector<ColorValue>{Red});
}

// A screen reader hears the colour under the pointer as the window prints
// it, and its nearest name.
TEST(SamplingAnnouncement, TheColourInTheWindowsNotationAndItsNearestName)
{
    RColor color(0);
    color.SetRGB(255, 0, 0);
    EXPECT_EQ(SamplingAnnouncement(color), "Select Color with Mouse: #FF0000, red");
    color.SetHexFormat(3);
    color.SetRGB(250, 128, 114);
    EXPECT_EQ(SamplingAnnouncement(color), "Select Color with Mouse: &H007280FA&, salmon");
}

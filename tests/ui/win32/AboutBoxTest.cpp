// The About box under wine: its texts from the program's own version
// resource, its links, and how it closes.
#include "ui/win32/MainFormFixture.h"

#include "colour/Contrast.h"
#include "ui/FormLayout.h"
#include "ui/LayoutScale.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Resources.h"
#include "ui/win32/TQLAboutDlg.h"

#include <functional>

namespace
{

// What the test does while the box is up; the box runs modally meanwhile.
std::function<void(TQLAboutDlg&)> WhileUp;

void RunWhileUp(TQLAboutDlg& dialog)
{
    WhileUp(dialog);
}

struct Hook
{
    explicit Hook(std::function<void(TQLAboutDlg&)> action)
    {
        WhileUp = std::move(action);
        TQLAboutDlg::WhileShown = &RunWhileUp;
    }
    ~Hook() { TQLAboutDlg::WhileShown = nullptr; }
};

// A link target the shell fails on at once, without starting anything.
constexpr const char* NothingToOpen = "C:\\no such folder\\nothing.tintwell-test";

// A link's colour: blue, or red once followed, as near to pure as reads on
// the box's face, however light or dark the face.
bool Readable(COLORREF colour)
{
    return ContrastRatio(colour, ::GetSysColor(COLOR_BTNFACE)) >= 4.5;
}

bool ReadableBlue(COLORREF colour)
{
    return Readable(colour) && GetBValue(colour) > GetRValue(colour) && GetBValue(colour) > GetGValue(colour);
}

bool ReadableRed(COLORREF colour)
{
    return Readable(colour) && GetRValue(colour) > GetGValue(colour) && GetRValue(colour) > GetBValue(colour);
}

} // namespace

TEST_F(MainFormTest, TheAboutBoxShowsTheProgramsOwnVersionResource)
{
    // Where the whole box fits on the screen when centred over the window.
    ::SetWindowPos(Form->Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(100);
    bool shown = false;
    Hook hook([&](TQLAboutDlg& about)
              {
                  shown = true;
                  EXPECT_EQ(TextOf(about.Handle()), "About Quenlar Tintwell");
                  EXPECT_EQ(TextOf(about.ControlNamed("AppNameLabel")), "Quenlar Tintwell");
                  EXPECT_EQ(TextOf(about.ControlNamed("VersionLabel")), "Version 2004.5.1.0");
                  // The ANSI code page's copyright sign.
                  EXPECT_EQ(TextOf(about.ControlNamed("CopyrightLabel")).rfind("Copyright \xA9", 0), 0u);
                  EXPECT_EQ(TextOf(about.ControlNamed("RightsLabel")), "All rights reserved.");
                  EXPECT_EQ(TextOf(about.ControlNamed("QLFormatToolsLabel")), "");
                  EXPECT_EQ(TextOf(about.ControlNamed("WebSupportLabel")), "Visit Quenlar Online!");
                  EXPECT_EQ(TextOf(about.ControlNamed("EmailSupportLabel")), "Send Quenlar an email!");
                  EXPECT_TRUE(::IsWindowVisible(about.ControlNamed("IconImage")));
                  EXPECT_FALSE(::IsWindowEnabled(Form->Handle())) << "the owner takes input meanwhile";
                  EXPECT_EQ(::GetFocus(), about.ControlNamed("OkBtn"));
                  // Centred over the main window.
                  RECT box, owner;
                  ::GetWindowRect(about.Handle(), &box);
                  ::GetWindowRect(Form->Handle(), &owner);
                  EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
                  EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
                  Click(about.ControlNamed("OkBtn"));
              });
    Click(Find("AboutBtn"));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(::IsWindowEnabled(Form->Handle()));
}

TEST_F(MainFormTest, AFollowedLinkTurnsRedUntilTheBoxClosesAndEscapeDoesNotCloseIt)
{
    int showings = 0;
    Hook hook([&](TQLAboutDlg& about)
              {
                  ++showings;
                  HWND web = about.ControlNamed("WebSupportLabel");
                  HWND mail = about.ControlNamed("EmailSupportLabel");
                  EXPECT_TRUE(ReadableBlue(about.LinkColour(web))) << "showing " << showings;
                  EXPECT_TRUE(ReadableBlue(about.LinkColour(mail)));
                  if (showings == 1)
                  {
                      Click(web);
                      EXPECT_TRUE(ReadableRed(about.LinkColour(web)));
                      EXPECT_TRUE(ReadableBlue(about.LinkColour(mail)));
                  }
                  PressKey(about.ControlNamed("OkBtn"), VK_ESCAPE);
                  EXPECT_TRUE(::IsWindowVisible(about.Handle())) << "Escape closed the box";
                  Click(about.ControlNamed("OkBtn"));
              });
    for (int i = 0; i < 2; ++i)
        RunAboutDialog(Form->Handle(), TintwellIcon(32), "Quenlar Tintwell", "1", "", NothingToOpen,
                       "Visit Quenlar Online!", NothingToOpen, "Send Quenlar an email!");
    EXPECT_EQ(showings, 2);
}

TEST_F(MainFormTest, WithoutAnIconTheImageStaysHidden)
{
    Hook hook([&](TQLAboutDlg& about)
              {
                  EXPECT_FALSE(::IsWindowVisible(about.ControlNamed("IconImage")));
                  EXPECT_EQ(TextOf(about.ControlNamed("VersionLabel")), "Version ");
                  EXPECT_EQ(TextOf(about.Handle()), "About ");
                  Click(about.ControlNamed("OkBtn"));
              });
    RunAboutDialog(Form->Handle(), nullptr, "", "", "", NothingToOpen, "", NothingToOpen, "");
}

// Opened from a main window on the second monitor, near that monitor's far
// edge, the box stays whole on that monitor, not on the primary.
// It opens as large as the desktop's font makes the main window.
TEST_F(MainFormTest, TheAboutBoxGrowsWithTheDesktopsFont)
{
    const MessageFontAt font(21); // 16 points
    PumpFor(100);
    const int dpi = WindowDpi(Form->Handle()) * 21 / 12;
    bool shown = false;
    Hook hook([&](TQLAboutDlg& about)
              {
                  shown = true;
                  RECT client{};
                  ::GetClientRect(about.Handle(), &client);
                  EXPECT_EQ(client.right, ToDevicePixels(AboutDlgLayout().ClientWidth, dpi));
                  EXPECT_EQ(client.bottom, ToDevicePixels(AboutDlgLayout().ClientHeight, dpi));
                  Click(about.ControlNamed("OkBtn"));
              });
    Click(Find("AboutBtn"));
    EXPECT_TRUE(shown);
}

TEST_F(MainFormTest, TheAboutBoxStaysOnTheMonitorOfItsOwner)
{
    const std::vector<RECT> monitors = MonitorAreas();
    if (monitors.size() < 2)
        GTEST_SKIP() << "one monitor here";
    const RECT second = monitors[1];
    RECT form{};
    ::GetWindowRect(Form->Handle(), &form);
    // The window against the second monitor's edge away from the primary.
    const bool leftOfPrimary = second.left < monitors[0].left;
    const int left = leftOfPrimary ? second.left : second.right - (form.right - form.left);
    ::SetWindowPos(Form->Handle(), nullptr, left, second.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(200);
    bool shown = false;
    Hook hook([&](TQLAboutDlg& about)
              {
                  shown = true;
                  RECT box{};
                  ::GetWindowRect(about.Handle(), &box);
                  EXPECT_GE(box.left, second.left);
                  EXPECT_GE(box.top, second.top);
                  EXPECT_LE(box.right, second.right);
                  EXPECT_LE(box.bottom, second.bottom);
                  Click(about.ControlNamed("OkBtn"));
              });
    RunAboutDialog(Form->Handle(), TintwellIcon(32), "Quenlar Tintwell", "1", "", NothingToOpen,
                   "Visit Quenlar Online!", NothingToOpen, "Send Quenlar an email!");
    EXPECT_TRUE(shown);
}

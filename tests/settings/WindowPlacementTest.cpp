#include "settings/RAppReg.h"

#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// A window that records every change made to it, in order.
class FakeWindow : public RPlaceableWindow
{
public:
    int Left = 10, Top = 20, Width = 300, Height = 200, State = StateNormal;
    std::vector<std::string> Calls;

    int GetLeft() const override { return Left; }
    int GetTop() const override { return Top; }
    int GetWidth() const override { return Width; }
    int GetHeight() const override { return Height; }
    int GetWindowState() const override { return State; }
    void SetLeft(int v) override { Record("Left", v); }
    void SetTop(int v) override { Record("Top", v); }
    void SetWidth(int v) override { Record("Width", v); }
    void SetHeight(int v) override { Record("Height", v); }
    void SetWindowState(int v) override { Record("State", v); }

private:
    void Record(const char* what, int value) { Calls.push_back(what + std::string("=") + std::to_string(value)); }
};

struct Stored
{
    int Left, Top, Width, Height, State;
};

class WindowPlacement : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};
    SettingsPlace OtherPlace{Folder};
    const std::string Q = Place.Subfolder();
    const std::string Q2 = OtherPlace.Subfolder();

    // Stores a placement in the current user's "Window" section, then
    // restores it into a fresh window and gives the calls made.
    std::vector<std::string> Restore(const Stored* stored, bool restoreSize, int defaultWidth = 0,
                                     int defaultHeight = 0)
    {
        RAppReg store(Q.c_str(), false, "t");
        if (stored != nullptr)
        {
            store.SetSection("Window");
            store.WriteInt("Left", stored->Left);
            store.WriteInt("Top", stored->Top);
            store.WriteInt("Width", stored->Width);
            store.WriteInt("Height", stored->Height);
            store.WriteInt("State", stored->State);
        }
        FakeWindow window;
        store.RestoreWindow(&window, "Window", restoreSize, defaultWidth, defaultHeight);
        return window.Calls;
    }
};

using Calls = std::vector<std::string>;

TEST_F(WindowPlacement, RestoreAppliesWhatWasStored)
{
    const Stored placed{40, 50, 600, 400, 0};
    EXPECT_EQ(Restore(nullptr, false), (Calls{"State=0"})); // first start
    EXPECT_EQ(Restore(&placed, false), (Calls{"Left=40", "Top=50", "State=0"}));
    EXPECT_EQ(Restore(&placed, true),
              (Calls{"Left=40", "Top=50", "Width=600", "Height=400", "State=0"}));

    const Stored maximised{40, 50, 600, 400, 2};
    EXPECT_EQ(Restore(&maximised, true), (Calls{"State=2"}));
    const Stored minimised{40, 50, 600, 400, 1};
    EXPECT_EQ(Restore(&minimised, true), (Calls{"State=1"}));
    const Stored lowByteZero{40, 50, 600, 400, 256};
    EXPECT_EQ(Restore(&lowByteZero, false), (Calls{"Left=40", "Top=50", "State=0"}));
}

TEST_F(WindowPlacement, AZeroSizeNeedsBothDefaultsToPlaceTheWindow)
{
    const Stored noWidth{40, 50, 0, 400, 0};
    EXPECT_EQ(Restore(&noWidth, true, 300, 200),
              (Calls{"Left=40", "Top=50", "Width=300", "Height=200", "State=0"}));
    EXPECT_EQ(Restore(&noWidth, false, 300, 200), (Calls{"Left=40", "Top=50", "State=0"}));
    EXPECT_EQ(Restore(&noWidth, true, 300, 0), (Calls{"State=0"}));
    EXPECT_EQ(Restore(&noWidth, true), (Calls{"State=0"}));
}

TEST_F(WindowPlacement, SaveWritesThePlacementAndTheNextStartRestoresIt)
{
    {
        RAppReg store(Q.c_str(), false, "t");
        FakeWindow window;
        store.RestoreWindow(&window, "Window", false, 0, 0);
        window.Left = -5; // positions are not checked against any screen
        window.Width = 1920;
        window.Height = 1080;
        window.State = RPlaceableWindow::StateMaximized;
        store.SaveWindow();
        store.SetSection("Window");
        EXPECT_EQ(store.ReadInt("Left", 0), -5);
        EXPECT_EQ(store.ReadInt("Width", 0), 1920);
        EXPECT_EQ(store.ReadInt("State", 0), 2);
    }
    RAppReg store(Q.c_str(), false, "t");
    FakeWindow window;
    store.RestoreWindow(&window, "Window", false, 0, 0);
    EXPECT_EQ(window.Calls, (Calls{"State=2"}));
}

// Placement is per user, and the store's own selection is put back.
TEST_F(WindowPlacement, UsesTheUsersProfileAndPutsTheSelectionBack)
{
    RAppReg store(Q.c_str(), true, "t");
    store.SetSection("Options|Inner");
    FakeWindow window;
    store.RestoreWindow(&window, "Window", false, 0, 0);
    store.SaveWindow();
    EXPECT_EQ(std::string(store.GetProfileName().Text()), "RARAllUsers");
    EXPECT_EQ(std::string(store.GetSectionPath().Text()), "Options|Inner");
    EXPECT_EQ(store.ReadInt("Left", -1), -1); // not in the all-users profile
    store.UseCurrentUserProfile();
    store.SetSection("Window");
    EXPECT_EQ(store.ReadInt("Left", -1), 10);

    // Right after construction the path is empty; it comes back as "Default".
    RAppReg fresh(Q2.c_str(), false, "t");
    fresh.SaveWindow(); // nothing registered: nothing written
    EXPECT_FALSE(fresh.IsDirty());
    fresh.RestoreWindow(&window, "Window", false, 0, 0);
    EXPECT_EQ(std::string(fresh.GetSectionPath().Text()), "Default");
}

TEST_F(WindowPlacement, NoWindowOrNoSectionRegistersNothingToSave)
{
    RAppReg store(Q.c_str(), false, "t");
    FakeWindow window;
    store.RestoreWindow(&window, "", false, 0, 0);
    store.SaveWindow();
    store.RestoreWindow(nullptr, "Window", false, 0, 0);
    store.SaveWindow();
    EXPECT_TRUE(window.Calls.empty());
    EXPECT_FALSE(store.IsDirty());
}

} // namespace

// The main window's steps with its settings, as both window layers run
// them: what the first showing reads and does, in which order, and what the
// close writes, through plain stand-ins for the window.
#include "ui/MainFormSettings.h"

#include "settings/PlaceableWindow.h"
#include "settings/RAppReg.h"
#include "support/FakeEditorView.h"
#include "support/SettingsImage.h"
#include "support/SettingsPlace.h"
#include "support/TestFolder.h"
#include "ui/SamplingSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

// The first showing's steps, recorded in the order they come.
class FakeMainFormView : public RMainFormView
{
public:
    explicit FakeMainFormView(FakeEditorView& editorView) : EditorView(editorView) {}
    std::vector<std::string> Steps;
    std::vector<std::string> Names;

    void SetHSLSpinRange(int minimum, int maximum) override
    {
        Steps.push_back("spins " + std::to_string(minimum) + ".." + std::to_string(maximum));
        EditorView.UseHSLScale();
    }
    void SelectHexFormat(int index) override
    {
        Steps.push_back("notation " + std::to_string(index));
        EditorView.HexIndex = index;
    }
    void CreateSamplingWindow() override { Steps.push_back("sampling window"); }
    void FillColorNames(const std::vector<const char*>& names) override
    {
        Steps.push_back("names");
        Names.assign(names.begin(), names.end());
    }
    void FocusRedEdit() override { Steps.push_back("focus"); }

private:
    FakeEditorView& EditorView;
};

class NoWindow : public RPlaceableWindow
{
public:
    int Left = 10, Top = 20;
    int GetLeft() const override { return Left; }
    int GetTop() const override { return Top; }
    int GetWidth() const override { return 360; }
    int GetHeight() const override { return 280; }
    int GetWindowState() const override { return StateNormal; }
    void SetLeft(int left) override { Left = left; }
    void SetTop(int top) override { Top = top; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void SetWindowState(int) override {}
};

class MainFormSettingsTest : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};
    FakeEditorView EditorView;
    RColorEditor Editor{EditorView};
    FakeMainFormView View{EditorView};
    RSamplingSession Sampling{Editor};
    NoWindow Window;

    MainFormSettingsTest() { EditorView.Editor = &Editor; }
    std::filesystem::path File() const { return Place.File(false, "tintwell"); }
    std::unique_ptr<RAppReg> Open()
    {
        auto store = std::make_unique<RAppReg>(Place.Subfolder().c_str(), false, "tintwell");
        store->RestoreWindow(&Window, "Window", false, 0, 0);
        return store;
    }
    static SettingsImage Profile() { return SettingsImage().Signature().Section(SettingsPlace::LoginName()); }
    void WriteOptions(const char* lastColor, const char* hexFormat)
    {
        TestFolder::WriteBytes(File(), Profile()
                                           .Section("Options")
                                           .Variable("LastColor", lastColor)
                                           .Variable("HexFormat", hexFormat)
                                           .End()
                                           .End()
                                           .Bytes);
    }
};

} // namespace

TEST_F(MainFormSettingsTest, AFirstRunShowsTheDefaultsInOrder)
{
    auto store = Open();
    ShowMainForm(View, Editor, *store);
    EXPECT_EQ(View.Steps,
              (std::vector<std::string>{"spins 0..239", "notation 0", "sampling window", "names", "focus"}));
    ASSERT_EQ(View.Names.size(), 141u);
    EXPECT_EQ(View.Names.front(), std::string("None"));
    EXPECT_EQ(View.Names.back(), std::string("Yellow-green"));
    EXPECT_EQ(Editor.Color().GetColor() & 0xFFFFFF, ColorValueOf(15, 0, 0));
    EXPECT_EQ(EditorView.Hex, "#0F0000");
    EXPECT_EQ(EditorView.Text[FakeEditorView::At(REditBox::RedEdit)], "15");
}

TEST_F(MainFormSettingsTest, SavedValuesComeBackAndAreWrittenAsTheyShow)
{
    const struct
    {
        const char* LastColor;
        const char* HexFormat;
        int Notation;
        const char* Hex;
        std::int32_t Written;
    } cases[] = {
        {"16777215", "3", 3, "&H00FFFFFF&", 16777215},
        {"2147483647", "1", 1, "0x00FFFFFF", 16777215}, // the "None" value: its low bytes
        {"255", "4", 0, "#FF0000", 255},                // no fifth notation
        {"255", "-1", 0, "#FF0000", 255},
    };
    for (const auto& test : cases)
    {
        WriteOptions(test.LastColor, test.HexFormat);
        {
            auto store = Open();
            ShowMainForm(View, Editor, *store);
            EXPECT_EQ(EditorView.Hex, test.Hex) << test.LastColor << " " << test.HexFormat;
            EXPECT_EQ(EditorView.HexIndex, test.Notation);
            SaveMainFormSettings(*store, {EditorView.Swatch, EditorView.HexIndex, true}, Editor, Sampling);
        }
        auto store = Open();
        store->SetSection("Options");
        EXPECT_EQ(store->ReadInt("LastColor", 0), test.Written) << test.LastColor;
        EXPECT_EQ(store->ReadInt("HexFormat", 9), test.Notation);
    }
}

TEST_F(MainFormSettingsTest, TheCloseWritesThePlacementThenTheOptionsThenTheHistory)
{
    {
        auto store = Open();
        ShowMainForm(View, Editor, *store);
        Editor.TakeColor(ColorValueOf(0, 0, 255));
        Window.Left = 33;
        SaveMainFormSettings(*store, {EditorView.Swatch, 2, true}, Editor, Sampling);
    }
    const std::vector<std::uint8_t> written = TestFolder::ReadBytes(File());
    const std::string text(written.begin(), written.end());
    const std::size_t window = text.find("Window"), options = text.find("Options"), recent = text.find("Recent");
    ASSERT_NE(window, std::string::npos);
    EXPECT_LT(window, options);
    EXPECT_LT(options, recent);
    auto store = Open();
    store->SetSection("Window");
    EXPECT_EQ(store->ReadInt("Left", 0), 33);
    store->SetSection("Options");
    EXPECT_EQ(store->ReadInt("LastColor", 0), 0xFF0000);
    EXPECT_EQ(store->ReadInt("HexFormat", 0), 2);
}

// Where the program cannot know where its window is, the placement saved
// before stays; a pick from the command line saves nothing at all.
TEST_F(MainFormSettingsTest, WhatIsNotKnownOrNotTheUsersIsNotSaved)
{
    TestFolder::WriteBytes(File(), Profile().Section("Window").Variable("Left", "500").End().End().Bytes);
    {
        auto store = Open();
        Window.Left = 7;
        SaveMainFormSettings(*store, {255, 1, false}, Editor, Sampling);
    }
    auto store = Open();
    store->SetSection("Window");
    EXPECT_EQ(store->ReadInt("Left", 0), 500);
    store->SetSection("Options");
    EXPECT_EQ(store->ReadInt("HexFormat", 9), 1);

    const std::vector<std::uint8_t> before = TestFolder::ReadBytes(File());
    store.reset();
    {
        auto pick = Open();
        Sampling.PickForCommandLine([](const RPickAnswer&) {});
        Editor.TakeColor(ColorValueOf(1, 2, 3));
        SaveMainFormSettings(*pick, {ColorValueOf(1, 2, 3), 3, true}, Editor, Sampling);
    }
    EXPECT_EQ(TestFolder::ReadBytes(File()), before);
}

// The real main window under wine: what a user sees and does.
#include "ui/win32/MainFormFixture.h"

#include "shell/Help.h"
#include "ui/AccessibleNames.h"
#include "ui/FormLayout.h"
#include "ui/SwatchMenu.h"
#include "ui/LayoutScale.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Resources.h"

#include <shlobj.h>

#include <map>
#include <utility>
#include <vector>

std::filesystem::path MainFormTest::SettingsFile()
{
    char folder[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
    return std::filesystem::path(folder) / "Quenlar" / "Tintwell" / "win32_gui_tests.apr";
}

namespace
{

// Counts the change notifications each edit box sends: the group panels
// pass them on to the form, and this sits in between.
class ChangeCounter
{
public:
    explicit ChangeCounter(std::vector<HWND> panels) : Panels(std::move(panels))
    {
        Active = this;
        for (HWND panel : Panels)
            Original[panel] = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Count)));
    }
    ~ChangeCounter()
    {
        for (HWND panel : Panels)
            ::SetWindowLongPtrA(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Original[panel]));
        Active = nullptr;
    }
    int Of(HWND edit) const
    {
        const auto found = Changes.find(edit);
        return found != Changes.end() ? found->second : 0;
    }
    int Total() const
    {
        int total = 0;
        for (const auto& entry : Changes)
            total += entry.second;
        return total;
    }

private:
    static LRESULT CALLBACK Count(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
            ++Active->Changes[reinterpret_cast<HWND>(lParam)];
        return ::CallWindowProcA(Active->Original[panel], panel, message, wParam, lParam);
    }
    static inline ChangeCounter* Active = nullptr;
    std::vector<HWND> Panels;
    std::map<HWND, WNDPROC> Original;
    std::map<HWND, int> Changes;
};

class RecordingHelpHost : public RHelpHost
{
public:
    RecordingHelpHost() { SetHelpHost(this); }
    ~RecordingHelpHost() { SetHelpHost(nullptr); }
    void ShowWarning(const RString&, const RString& text) override { Warnings.push_back(text.Text()); }
    void DisplayTopic(void*, const RString& fileAndTopic, const RHtmlHelpLibrary&) override
    {
        Shown.push_back(fileAndTopic.Text());
    }
    void ShowKeyword(void*, const RString&, const RString&) override {}
    std::vector<std::string> Warnings;
    std::vector<std::string> Shown;
};

} // namespace

TEST_F(MainFormTest, TheFirstRunShowsTheStandInColourWithTheRedBoxFocused)
{
    EXPECT_EQ(TextOf(Form->Handle()), "Quenlar Tintwell");
    RECT client;
    ::GetClientRect(Form->Handle(), &client);
    const int dpi = WindowDpi(Form->Handle());
    EXPECT_EQ(client.right, ToDevicePixels(352, dpi));
    EXPECT_EQ(client.bottom, ToDevicePixels(255, dpi));
    EXPECT_TRUE(::GetWindowLongA(Form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_EQ(Rgb(), "15,0,0");
    EXPECT_EQ(Selected("ColorNameCB"), -1);
    EXPECT_EQ(::SendMessageA(Find("ColorNameCB"), CB_GETCOUNT, 0, 0), 141);
    EXPECT_EQ(SelectedText("HexFormatCB"), "HTML");
    EXPECT_EQ(Text("RGBHexEdit"), "#0F0000");
    EXPECT_EQ(::GetFocus(), Find("RedEdit"));
}

namespace
{

int TextWidth(HFONT font, const std::string& text)
{
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, font);
    SIZE size{};
    ::GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    return static_cast<int>(size.cx);
}

// The client area, every control, the font and the pictures are the layout
// in device pixels at dpi, and every label's text is whole.
void ExpectLaidOutAt(const TTWMainForm& window, int dpi)
{
    const HWND form = window.Handle();
    const auto find = [&window](const char* name) { return window.ControlNamed(name); };
    const RFormLayout& layout = MainFormLayout();
    const auto px = [dpi](int length) { return ToDevicePixels(length, dpi); };
    RECT client{};
    ::GetClientRect(form, &client);
    EXPECT_EQ(client.right, px(layout.ClientWidth)) << dpi << " dpi";
    EXPECT_EQ(client.bottom, px(layout.ClientHeight)) << dpi << " dpi";
    for (const RControlLayout& row : layout.Controls)
    {
        HWND control = find(row.Name);
        RECT bounds;
        ::GetWindowRect(control, &bounds);
        ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, px(row.Left)) << row.Name << " at " << dpi << " dpi";
        EXPECT_EQ(bounds.top, px(row.Top)) << row.Name << " at " << dpi << " dpi";
        // The up-down control may round its width up to an even number (wine's does).
        EXPECT_NEAR(bounds.right - bounds.left, px(row.Left + row.Width) - px(row.Left),
                    row.Kind == RControlKind::UpDown ? 1 : 0)
            << row.Name << " at " << dpi << " dpi";
        // A drop-down list's window reaches down over its list.
        if (row.Kind != RControlKind::DropDownList)
        {
            EXPECT_EQ(bounds.bottom - bounds.top, px(row.Top + row.Height) - px(row.Top))
                << row.Name << " at " << dpi << " dpi";
        }
        const HWND parent = row.Parent != nullptr ? find(row.Parent) : form;
        EXPECT_EQ(::GetParent(control), parent) << row.Name;
        // No label's text is cut off: the layout's own narrowest ("G:")
        // lets the colon's trailing space out by a pixel.
        if (row.Kind == RControlKind::Label)
        {
            RECT area{};
            ::GetClientRect(control, &area);
            EXPECT_LE(TextWidth(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), row.Text),
                      area.right + px(1))
                << row.Name << " at " << dpi << " dpi";
        }
    }
    // The texts about as wide as scaled: none shrinks.
    const int width = TextWidth(reinterpret_cast<HFONT>(::SendMessageA(find("Label1"), WM_GETFONT, 0, 0)),
                                "RGB Hex Value:");
    EXPECT_GE(width, px(TextWidth(DialogFont(96), "RGB Hex Value:")) * 9 / 10) << dpi << " dpi";
    BITMAP logo{};
    ::GetObjectA(reinterpret_cast<HBITMAP>(::SendMessageA(find("SidebarImage"), STM_GETIMAGE, IMAGE_BITMAP, 0)),
                 sizeof logo, &logo);
    const RControlLayout& image = FindControl(layout, "SidebarImage");
    EXPECT_EQ(logo.bmHeight, px(image.Top + image.Height) - px(image.Top)) << dpi << " dpi";
}

} // namespace

// At the density the window starts at, and after moves onto monitors of
// other densities and back.
TEST_F(MainFormTest, ControlsSitWhereTheLayoutPutsThemAtEveryDensity)
{
    const int start = WindowDpi(Form->Handle());
    bool moved = false;
    for (int dpi : {start, 120, 144, 192, 96, start})
    {
        if (std::exchange(moved, true))
        {
            RECT suggested{};
            ::GetWindowRect(Form->Handle(), &suggested);
            ::SendMessageA(Form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            Pump();
        }
        ExpectLaidOutAt(*Form, dpi);
    }
}

// A larger desktop font enlarges the window as a denser monitor does, at
// once when the desktop's settings change, and back again.
TEST_F(MainFormTest, TheWindowGrowsWithTheDesktopsFont)
{
    const int start = WindowDpi(Form->Handle());
    // 16 and 20 points: letters 21 and 27 pixels high where 12 is the default.
    for (int pixels : {21, 27})
    {
        const MessageFontAt font(pixels);
        const int dpi = start * pixels / 12;
        PumpFor(100);
        ExpectLaidOutAt(*Form, dpi);
    }
    PumpFor(100);
    ExpectLaidOutAt(*Form, start);
}

// A screen reader hears every control a user meets by its name, each arrow by what it does, the swatch by its contrast and the
// plane and the bar by their values, which follow the colour.
TEST_F(MainFormTest, ScreenReadersHearNamesAndValues)
{
    for (const RAccessibleName& named : MainFormAccessibleNames)
    {
        EXPECT_EQ(AccessibleNameOf(Find(named.Control)), named.Name) << named.Control;
    }
    EXPECT_EQ(AccessibleNameOf(Find("RedUpDown"), 1), "Increase Red");
    EXPECT_EQ(AccessibleNameOf(Find("LumUpDown"), 2), "Decrease Luminance");
    SetRgb("255", "0", "0");
    PumpFor(50);
    RColor red(0);
    red.SetRGB(255, 0, 0);
    EXPECT_EQ(AccessibleDescriptionOf(Find("TheShape")), SwatchToolTip(red.GetColor()));
    EXPECT_EQ(AccessibleDescriptionOf(Find("HueSatImage")), PlaneValueText(red));
    EXPECT_EQ(AccessibleDescriptionOf(Find("LumImage")), BarValueText(red));
}

TEST_F(MainFormTest, TypingKeepsTheTypedTextAndEveryOtherViewFollows)
{
    const struct
    {
        const char* Box;
        const char* Typed;
        const char* Rgb;
        const char* Hex;
    } cases[] = {
        {"RedEdit", "300", "300,0,0", "#2C0000"}, // 300 modulo 256
        {"RedEdit", "-1", "-1,0,0", "#FF0000"},
        {"GrnEdit", "12abc", "15,12abc,0", "#0F0C00"},
        {"HueEdit", "-5", "15,0,0", "#0F0000"}, // clamped to hue 0: red stays red
    };
    for (const auto& example : cases)
    {
        SetRgb("15", "0", "0");
        TypeInto(Find(example.Box), example.Typed);
        EXPECT_EQ(Text(example.Box), example.Typed) << example.Box << " " << example.Typed;
        if (std::string(example.Box) != "HueEdit")
        {
            EXPECT_EQ(Rgb(), example.Rgb) << example.Typed;
        }
        EXPECT_EQ(Text("RGBHexEdit"), example.Hex) << example.Typed;
    }
    SetRgb("255", "0", "0");
    EXPECT_EQ(Hsl(), "239,239,119");
}

TEST_F(MainFormTest, UpDownArrowsStepTheBoxAndUpdateEveryViewOnce)
{
    ChangeCounter changes({Find("RGBGroup"), Find("HSLEditGroup")});

    SetRgb("255", "0", "0");
    const int before = changes.Total();
    ClickArrow(Find("RedUpDown"), +1); // at its limit
    EXPECT_EQ(Rgb(), "255,0,0");
    EXPECT_EQ(changes.Total(), before);

    SetRgb("254", "0", "0");
    const int red = changes.Of(Find("RedEdit"));
    const int hue = changes.Of(Find("HueEdit"));
    ClickArrow(Find("RedUpDown"), +1);
    EXPECT_EQ(Text("RedEdit"), "255");
    EXPECT_EQ(Text("RGBHexEdit"), "#FF0000");
    EXPECT_EQ(changes.Of(Find("RedEdit")), red + 1);
    EXPECT_LE(changes.Of(Find("HueEdit")), hue + 1);

    // Hue 25 steps to 26, which reads back as 25: the box keeps 26.
    SetRgb("255", "165", "0");
    EXPECT_EQ(Text("HueEdit"), "25");
    ClickArrow(Find("HueUpDown"), +1);
    EXPECT_EQ(Text("HueEdit"), "26");
    EXPECT_EQ(Rgb(), "255,166,0");

    // The HSL arrows stop at 239.
    SetRgb("255", "0", "0");
    ClickArrow(Find("SatUpDown"), +1);
    EXPECT_EQ(Text("SatEdit"), "239");
    ClickArrow(Find("LumUpDown"), -1);
    EXPECT_EQ(Text("LumEdit"), "118");
}

// A tap, as a touchpad sends it: the button pressed and released with no
// time between, through the real input queue. Each arrow steps once, and
// nothing steps on afterwards.
TEST_F(MainFormTest, ATapOnASpinArrowStepsOnce)
{
    SetRgb("200", "100", "50");
    const struct
    {
        const char* Spin;
        int Direction;
        const char* Expected;
    } taps[] = {
        {"RedUpDown", +1, "201,100,50"},
        {"RedUpDown", -1, "200,100,50"},
        {"GrnUpDown", -1, "200,99,50"},
        {"BluUpDown", +1, "200,99,51"},
    };
    for (const auto& tap : taps)
    {
        RECT arrow{};
        ::GetWindowRect(Find(tap.Spin), &arrow);
        const int y = tap.Direction > 0 ? arrow.top + (arrow.bottom - arrow.top) / 4
                                        : arrow.top + (arrow.bottom - arrow.top) * 3 / 4;
        RealClick(POINT{(arrow.left + arrow.right) / 2, y});
        PumpFor(1000); // past the control's repeat delay
        EXPECT_EQ(Rgb(), tap.Expected) << tap.Spin << " " << tap.Direction;
    }
}

TEST_F(MainFormTest, OnlyTheUsersChoiceInAListChangesTheColour)
{
    SetRgb("255", "165", "0");
    const int cyan = static_cast<int>(::SendMessageA(Find("ColorNameCB"), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>("Cyan")));
    ::SendMessageA(Find("ColorNameCB"), CB_SETCURSEL, static_cast<WPARAM>(cyan), 0);
    Pump();
    EXPECT_EQ(Rgb(), "255,165,0") << "a selection by the program raised a change";

    Choose("ColorNameCB", cyan);
    EXPECT_EQ(Rgb(), "0,255,255");
    EXPECT_EQ(SelectedText("ColorNameCB"), "Aqua");

    SetRgb("255", "165", "0");
    ChangeCounter changes({Find("RGBGroup"), Find("HSLEditGroup")});
    Choose("HexFormatCB", 1);
    EXPECT_EQ(Text("RGBHexEdit"), "0x0000A5FF");
    EXPECT_EQ(changes.Total(), 0) << "a notation change wrote an edit box";
}

TEST_F(MainFormTest, TabRunsThroughTheControlsInTheLayoutsOrder)
{
    ::SetFocus(Find("RedEdit"));
    for (const RControlLayout* control : TabSequence(MainFormLayout()))
    {
        EXPECT_EQ(::GetFocus(), Find(control->Name)) << "expected " << control->Name;
        PressKey(::GetFocus(), VK_TAB);
    }
    EXPECT_EQ(::GetFocus(), Find("RedEdit")) << "Tab does not come round again";
}

TEST_F(MainFormTest, EscapeClosesAndSavesAsTheCloseButtonDoes)
{
    SetRgb("12", "34", "56");
    Choose("HexFormatCB", 3);
    ::SetFocus(Find("GrnEdit"));
    PressKey(Find("GrnEdit"), VK_ESCAPE);
    PumpFor(50);
    EXPECT_FALSE(::IsWindow(Form->Handle())) << "Escape did not close the window";
    ASSERT_TRUE(std::filesystem::exists(SettingsFile()));

    Form.reset();
    Start();
    EXPECT_EQ(Rgb(), "12,34,56");
    EXPECT_EQ(SelectedText("HexFormatCB"), "VB");
    EXPECT_EQ(Text("RGBHexEdit"), "&H0038220C&");
}

TEST_F(MainFormTest, ThePlacementComesBackAtTheNextRun)
{
    ::SetWindowPos(Form->Handle(), nullptr, 123, 87, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(200);
    RECT placed;
    ::GetWindowRect(Form->Handle(), &placed);
    CloseAndRestart();
    PumpFor(200);
    RECT restored;
    ::GetWindowRect(Form->Handle(), &restored);
    EXPECT_EQ(restored.left, placed.left);
    EXPECT_EQ(restored.top, placed.top);
}

TEST_F(MainFormTest, TheSessionEndingSavesAsACloseDoes)
{
    SetRgb("1", "2", "3");
    ::SendMessageA(Form->Handle(), WM_ENDSESSION, TRUE, 0);
    Form.reset();
    Pump();
    Start();
    EXPECT_EQ(Rgb(), "1,2,3");
}

TEST_F(MainFormTest, PlaneAndBarReleasesSetTheColourAlsoOutsideThem)
{
    SetRgb("128", "128", "128");
    HWND plane = Find("HueSatImage");
    // A layout pixel of the plane, at the window's density.
    const int dpi = WindowDpi(Form->Handle());
    ClickAt(plane, ToDevicePixels(41, dpi), 0); // the grey's hue is lost before the saturation is set
    EXPECT_EQ(Rgb(), "255,1,1");
    // Pressed inside, released below the bar: the lowest luminance, clamped.
    HWND bar = Find("LumImage");
    ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, ToDevicePixels(400, dpi)));
    Pump();
    EXPECT_EQ(Text("LumEdit"), "0");
}

TEST_F(MainFormTest, HelpWithoutTheEngineWarnsOnce)
{
    RecordingHelpHost host;
    SetHtmlHelpLibraryFile("no-such-help-control.ocx");
    ResetHelp();
    Click(Find("HelpBtn"));
    Click(Find("HelpBtn"));
    EXPECT_EQ(host.Warnings.size(), 1u);
    EXPECT_TRUE(host.Shown.empty());
    SetHtmlHelpLibraryFile(DefaultHtmlHelpLibraryFile());
    ResetHelp();
}

TEST_F(MainFormTest, WithTheEngineTheOverviewTopicOfTheHelpFileIsAskedFor)
{
    RecordingHelpHost host;
    ResetHelp();
    Click(Find("HelpBtn"));
    EXPECT_TRUE(host.Warnings.empty());
    EXPECT_EQ(host.Shown, std::vector<std::string>{"Tintwell.chm::/Overview.htm"});
}

namespace
{

// Answers the standard colour dialog once it is up: OK or Cancel.
UINT_PTR AnswerTimer = 0;
int Answer = IDCANCEL;
bool DialogSeen = false;

// With a form to ask, a pick is asked of it first, as a later start does.
TTWMainForm* AskedToPick = nullptr;
bool SamplingBehindTheDialog = false;

void CALLBACK AnswerColourDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = ::FindWindowA("#32770", nullptr);
    if (dialog == nullptr || !::IsWindowVisible(dialog))
        return;
    DialogSeen = true;
    if (AskedToPick != nullptr)
    {
        AskedToPick->ComeForward(true);
        SamplingBehindTheDialog = AskedToPick->IsMouseSelecting();
    }
    ::KillTimer(nullptr, AnswerTimer);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(Answer, BN_CLICKED), 0);
}

} // namespace

// Regression: a pick asked for while the colour dialog was open started
// behind it, where no click could reach it. The dialog comes forward, and
// that is all.
TEST_F(MainFormTest, APickWhileTheColourDialogIsOpenOnlyBringsItForward)
{
    Answer = IDCANCEL;
    DialogSeen = false;
    AskedToPick = Form.get();
    AnswerTimer = ::SetTimer(nullptr, 0, 100, &AnswerColourDialog);
    Click(Find("ColorDlgSelectSBtn"));
    AskedToPick = nullptr;
    EXPECT_TRUE(DialogSeen);
    EXPECT_FALSE(SamplingBehindTheDialog);
    EXPECT_FALSE(Form->IsMouseSelecting());
}

// The colour dialog has its key as the dropper has Ctrl+Shift+D.
TEST_F(MainFormTest, TheColourDialogFromTheKeyboard)
{
    ::SetForegroundWindow(Form->Handle());
    ::SetFocus(Find("GrnEdit"));
    Answer = IDCANCEL;
    DialogSeen = false;
    AnswerTimer = ::SetTimer(nullptr, 0, 100, &AnswerColourDialog);
    PressRealKeys({VK_CONTROL, VK_SHIFT, 'O'});
    EXPECT_TRUE(DialogSeen);
}

TEST_F(MainFormTest, TheColourDialogCancelledOrConfirmedUnchangedRewritesNoBox)
{
    SetRgb("255", "165", "0");
    ChangeCounter changes({Find("RGBGroup"), Find("HSLEditGroup")});
    for (int answer : {IDCANCEL, IDOK})
    {
        Answer = answer;
        DialogSeen = false;
        AnswerTimer = ::SetTimer(nullptr, 0, 100, &AnswerColourDialog);
        Click(Find("ColorDlgSelectSBtn"));
        EXPECT_TRUE(DialogSeen) << answer;
        EXPECT_EQ(Rgb(), "255,165,0") << answer;
        EXPECT_EQ(Hsl(), "25,239,119") << answer;
    }
    EXPECT_EQ(changes.Total(), 0);
}

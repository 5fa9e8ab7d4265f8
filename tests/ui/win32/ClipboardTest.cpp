// The colour through the real Windows clipboard under wine: the keys with
// real input, the swatch's menu, and pastes that are no colour.
#include "ui/win32/ColourWindow.h"
#include "ui/win32/MainFormFixture.h"

#include "colour/ColorNotation.h"
#include "settings/UserFormats.h"
#include "ui/SwatchMenu.h"

#include "ui/win32/SwatchMenuPopup.h"
#include "ui/win32/WindowsClipboard.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace
{

std::string Clipboard()
{
    std::string text;
    ClipboardText(nullptr, text);
    return text;
}

// The menu's entries as it holds them, and the keys that choose entry
// ChosenEntry (counted from 0, separators left out) queued before it shows;
// with ChosenRecent too, the recent colour of that number in the entry's
// submenu. The recent colours' labels, and their squares' middle pixels.
std::vector<std::string> MenuEntries;
int ChosenEntry = -1;
int ChosenRecent = -1;
std::vector<std::string> RecentEntries;
std::vector<COLORREF> RecentSquares;
// The Copy As submenu's entries, and whether each can be chosen.
std::vector<std::string> CopyAsEntries;
std::vector<bool> CopyAsEnabled;

// The form's swatch menu, which draws the recent colours' squares.
const RSwatchMenu* SwatchMenu = nullptr;

// The middle pixel of the square the form draws for a recent entry, in a
// cell of the menu's.
COLORREF SquareOf(HMENU menu, int position, ULONG_PTR data)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP cell = ::CreateCompatibleBitmap(screen, 40, 40);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, cell);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = ::GetMenuItemID(menu, position);
    item.hDC = dc;
    item.rcItem = RECT{0, 0, 40, 40};
    item.itemData = data;
    COLORREF middle = CLR_INVALID;
    if (SwatchMenu != nullptr && SwatchMenu->DrawSquare(item))
        middle = ::GetPixel(dc, 20, 20);
    ::SelectObject(dc, old);
    ::DeleteObject(cell);
    ::DeleteDC(dc);
    return middle;
}

// Copy As is the menu's last submenu but one.
void ReadCopyAs(HMENU menu)
{
    CopyAsEntries.clear();
    CopyAsEnabled.clear();
    HMENU copyAs = ::GetSubMenu(menu, ::GetMenuItemCount(menu) - 2);
    for (int j = 0; copyAs != nullptr && j < ::GetMenuItemCount(copyAs); ++j)
    {
        wchar_t label[256] = {};
        if (::GetMenuStringW(copyAs, static_cast<UINT>(j), label, 256, MF_BYPOSITION) == 0)
            continue; // the separator
        char utf8[512] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, label, -1, utf8, sizeof utf8, nullptr, nullptr);
        CopyAsEntries.push_back(utf8);
        CopyAsEnabled.push_back((::GetMenuState(copyAs, static_cast<UINT>(j), MF_BYPOSITION) & MF_GRAYED) == 0);
    }
}

// The recent colours are the menu's last submenu.
void ReadRecent(HMENU menu)
{
    RecentEntries.clear();
    RecentSquares.clear();
    ReadCopyAs(menu);
    {
        HMENU recent = ::GetSubMenu(menu, ::GetMenuItemCount(menu) - 1);
        for (int j = 0; recent != nullptr && j < ::GetMenuItemCount(recent); ++j)
        {
            char label[64] = {};
            if (::GetMenuStringA(recent, static_cast<UINT>(j), label, sizeof label, MF_BYPOSITION) == 0)
                continue; // the separator
            RecentEntries.push_back(label);
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_BITMAP | MIIM_DATA;
            ::GetMenuItemInfoA(recent, static_cast<UINT>(j), TRUE, &item);
            // Drawn by the form, never as a bitmap the menu would invert.
            RecentSquares.push_back(item.hbmpItem == HBMMENU_CALLBACK ? SquareOf(recent, j, item.dwItemData)
                                                                       : CLR_INVALID);
        }
    }
}

void ReadAndChoose(HMENU menu)
{
    MenuEntries.clear();
    HWND form = ::GetForegroundWindow();
    int chosen = -1;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    {
        char label[128] = {};
        if (::GetMenuStringA(menu, static_cast<UINT>(i), label, sizeof label, MF_BYPOSITION) == 0)
            continue; // the separator
        MenuEntries.push_back(label);
        if (static_cast<int>(MenuEntries.size()) - 1 == ChosenEntry)
            chosen = static_cast<int>(MenuEntries.size());
    }
    ReadRecent(menu);
    for (int down = 0; down < chosen; ++down)
        ::PostMessageA(form, WM_KEYDOWN, VK_DOWN, 0);
    if (chosen > 0 && ChosenRecent >= 0)
    {
        ::PostMessageA(form, WM_KEYDOWN, VK_RIGHT, 0); // opens the submenu at its first entry
        for (int down = 0; down < ChosenRecent; ++down)
            ::PostMessageA(form, WM_KEYDOWN, VK_DOWN, 0);
    }
    ::PostMessageA(form, WM_KEYDOWN, chosen > 0 ? VK_RETURN : VK_ESCAPE, 0);
}

// Keys typed into the menu as it opens, as characters, as the keyboard
// gives them; where they choose nothing the menu is closed two seconds on.
const char* KeysToType = "";

void CALLBACK CloseTheMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    ::EndMenu();
}

void TypeKeys(HMENU)
{
    HWND form = ::GetForegroundWindow();
    for (const char* key = KeysToType; *key != '\0'; ++key)
        ::PostMessageA(form, WM_CHAR, static_cast<WPARAM>(*key), 0);
    ::SetTimer(nullptr, 0, 2000, &CloseTheMenu);
}

} // namespace

TEST_F(MainFormTest, TheKeysCopyAndPasteEveryNotation)
{
    ::SetForegroundWindow(Form->Handle());
    ::SetFocus(Find("RedEdit"));
    PumpFor(200);
    SetRgb("51", "102", "204");
    const char* literals[] = {"#3366CC", "0x00CC6633", "$00CC6633", "&H00CC6633&"};
    for (int format = 0; format < 4; ++format)
    {
        Choose("HexFormatCB", format);
        ::SetFocus(Find("RedEdit"));
        PressRealKeys({VK_CONTROL, VK_SHIFT, 'C'});
        EXPECT_EQ(Clipboard(), literals[format]);
    }
    // Each notation, the short forms and the names back in, from a box that
    // has the focus: the box keeps its own text.
    const struct
    {
        const char* Text;
        const char* Rgb;
    } pastes[] = {
        {"#FFA500", "255,165,0"},   {"0x00000080", "128,0,0"},  {"$0000FF00", "0,255,0"},
        {"&H00FF0000&", "0,0,255"}, {"#abc", "170,187,204"},    {" rgb(1, 2, 3) ", "1,2,3"},
        {"Alice Blue", "240,248,255"},
    };
    for (const auto& paste : pastes)
    {
        ASSERT_TRUE(PutClipboardText(nullptr, paste.Text));
        ::SetFocus(Find("RedEdit"));
        PressRealKeys({VK_CONTROL, VK_SHIFT, 'V'});
        EXPECT_EQ(Rgb(), paste.Rgb) << paste.Text;
    }
    // Refused: nothing changes, the focused box included.
    for (const char* refused : {"15#3366CC", "", "rgb(256 0, 0)", "0x0100000", "not a colour", "transparent"})
    {
        ASSERT_TRUE(PutClipboardText(nullptr, refused));
        ::SetFocus(Find("GrnEdit"));
        PressRealKeys({VK_CONTROL, VK_SHIFT, 'V'});
        EXPECT_EQ(Rgb(), "240,248,255") << refused;
    }
}

// Plain Ctrl+V in a box: a literal is the colour, as the window-wide paste
// takes it; digits go into the box as ever.
TEST_F(MainFormTest, PasteIntoABox)
{
    ::SetForegroundWindow(Form->Handle());
    HWND red = Find("RedEdit");
    ::SetFocus(red);
    PumpFor(200);
    ASSERT_TRUE(PutClipboardText(nullptr, "#FA5005"));
    PressRealKeys({VK_CONTROL, 'V'});
    EXPECT_EQ(Rgb(), "250,80,5");
    TypeInto(red, "1");
    ::SendMessageA(red, EM_SETSEL, 1, 1);
    ASSERT_TRUE(PutClipboardText(nullptr, "2"));
    PressRealKeys({VK_CONTROL, 'V'});
    EXPECT_EQ(Text("RedEdit"), "12");
    EXPECT_EQ(Rgb(), "12,80,5");
}

TEST_F(MainFormTest, CtrlCInTheHexBoxWithNothingSelectedCopiesTheWholeLiteral)
{
    ::SetForegroundWindow(Form->Handle());
    SetRgb("1", "2", "3");
    HWND hex = Find("RGBHexEdit");
    ::SetFocus(hex);
    ::SendMessageA(hex, EM_SETSEL, 2, 2);
    PumpFor(100);
    PressRealKeys({VK_CONTROL, 'C'});
    EXPECT_EQ(Clipboard(), "#010203");
    // A selection copies as the box copies it: only what is selected.
    ::SendMessageA(hex, EM_SETSEL, 1, 3);
    PressRealKeys({VK_CONTROL, 'C'});
    EXPECT_EQ(Clipboard(), "01");
}

TEST_F(MainFormTest, TheSwatchMenuCopiesEveryFormAndPastes)
{
    RSwatchMenu::BeforeShows = &ReadAndChoose;
    ::SetForegroundWindow(Form->Handle());
    RECT bounds{};
    ::GetWindowRect(Find("TheShape"), &bounds);
    // The user's right click on the swatch.
    const auto rightClick = [&bounds] { RealClick(POINT{bounds.left + 5, bounds.top + 5}, true); };

    // What the core's menu holds, as it holds it (the VB literal's
    // ampersands doubled, so that the menu shows them).
    const std::vector<RSwatchMenuEntry> core = SwatchMenuEntries(ColorValueOf(15, 0, 0));
    std::vector<std::string> expected;
    int paste = -1;
    for (const RSwatchMenuEntry& entry : core)
    {
        if (entry.Text.empty())
            paste = static_cast<int>(expected.size());
        expected.push_back(entry.Label);
    }
    expected.push_back(CopyAsMenuTitle);
    expected.push_back(RecentColorsMenuTitle);
    ChosenEntry = 4; // the style-sheet form
    rightClick();
    EXPECT_EQ(Clipboard(), "rgb(15, 0, 0)");
    EXPECT_EQ(MenuEntries, expected);
    // The tip's text as the control gives it back: the control's getter
    // stops at 80 characters, before the nearest name.
    EXPECT_EQ(Form->SwatchToolTipText(),
              SwatchToolTip(ColorValueOf(15, 0, 0)).substr(0, 80));
    EXPECT_EQ(Form->SwatchToolTipText().substr(0, 74),
              "Contrast with white: 20.58:1 (AAA)\nContrast with black: 1.02:1 (below AA)\n");
    ChosenEntry = 3;
    rightClick();
    EXPECT_EQ(Clipboard(), "&H0000000F&");

    ASSERT_TRUE(PutClipboardText(nullptr, "$00A5FF"));
    ChosenEntry = paste;
    rightClick();
    EXPECT_EQ(Rgb(), "255,165,0");
    RSwatchMenu::BeforeShows = nullptr;
}

// Copy As: every form and the user's own, read from the settings folder as
// the menu opens; one that cannot be read greyed, its reason beside it, as
// a Windows menu shows no tooltips.
TEST_F(MainFormTest, CopyAsTheUsersOwnForm)
{
    std::ofstream(SettingsFile().parent_path() / "formats.txt") << "Qt = QColor({r}, {g}, {b})\nBad = {nope}\n";
    RSwatchMenu::BeforeShows = &ReadAndChoose;
    ::SetForegroundWindow(Form->Handle());
    RECT bounds{};
    ::GetWindowRect(Find("TheShape"), &bounds);
    ChosenEntry = static_cast<int>(SwatchMenuEntries(0).size()); // Copy As, after the core's entries
    ChosenRecent = static_cast<int>(ColorNotations().size());    // the user's first form, after the built-in ones
    RealClick(POINT{bounds.left + 5, bounds.top + 5}, true);
    RSwatchMenu::BeforeShows = nullptr;
    ChosenRecent = -1;
    EXPECT_EQ(Clipboard(), "QColor(15, 0, 0)");
    std::vector<std::string> expected;
    std::vector<bool> enabled;
    for (const RCopyAsEntry& entry : CopyAsMenuEntries(ColorValueOf(15, 0, 0), LoadUserFormats()))
    {
        expected.push_back(entry.LabelWithReason);
        enabled.push_back(entry.Enabled);
    }
    EXPECT_EQ(CopyAsEntries, expected);
    EXPECT_EQ(CopyAsEnabled, enabled);
    EXPECT_EQ(std::count(enabled.begin(), enabled.end(), false), 1);
    std::filesystem::remove(SettingsFile().parent_path() / "formats.txt");
}

// Shift+F10 and the menu key open the swatch's menu from any control, an
// edit box with its own menu included; the Escape that closes the menu
// never closes the window.
TEST_F(MainFormTest, TheSwatchMenuFromTheKeyboard)
{
    const struct
    {
        const char* Focus;
        bool ShiftF10; // else the menu key
    } cases[] = {{"RedEdit", true}, {"HueEdit", false}, {"HexFormatCB", true}};
    RSwatchMenu::BeforeShows = &ReadAndChoose;
    ChosenEntry = -1; // nothing chosen: Escape
    ChosenRecent = -1;
    for (const auto& test : cases)
    {
        MenuEntries.clear();
        ::SetForegroundWindow(Form->Handle());
        ::SetFocus(Find(test.Focus));
        PumpFor(100);
        if (test.ShiftF10)
            PressRealKeys({VK_SHIFT, VK_F10});
        else
            PressRealKeys({VK_APPS});
        EXPECT_EQ(MenuEntries.size(), SwatchMenuEntries(0).size() + 2) << test.Focus; // and Copy As, Recent Colors
        PumpFor(200);
        EXPECT_TRUE(::IsWindowVisible(Form->Handle())) << test.Focus;
    }
    RSwatchMenu::BeforeShows = nullptr;
}

// Each entry by its access key: a copy by its form's letter, a form of Copy
// As by its number.
TEST_F(MainFormTest, EntriesChosenByTheirAccessKeys)
{
    const struct
    {
        const char* Keys;
        const char* Copied;
    } cases[] = {{"v", "&H0000000F&"}, {"s", "rgb(15, 0, 0)"}, {"a1", "#0F0000"}};
    RSwatchMenu::BeforeShows = &TypeKeys;
    for (const auto& test : cases)
    {
        KeysToType = test.Keys;
        ::SetForegroundWindow(Form->Handle());
        ::SetFocus(Find("RedEdit"));
        PumpFor(100);
        PressRealKeys({VK_SHIFT, VK_F10});
        EXPECT_EQ(Clipboard(), test.Copied) << test.Keys;
    }
    RSwatchMenu::BeforeShows = nullptr;
}

// Colours taken by paste and the dropper come back after a restart in the
// swatch's menu, newest first, each beside a square of its colour; one
// chosen there is applied.
TEST_F(MainFormTest, RecentColorsSurviveARestart)
{
    ::SetForegroundWindow(Form->Handle());
    ::SetFocus(Find("RedEdit"));
    PumpFor(200);
    for (const char* text : {"#102030", "rgb(1, 2, 3)"})
    {
        ASSERT_TRUE(PutClipboardText(nullptr, text));
        PressRealKeys({VK_CONTROL, VK_SHIFT, 'V'});
    }
    COLORREF sampled = CLR_INVALID;
    {
        const ColourWindow target(1300, 900, RGB(12, 200, 99)); // clear of the main window at every density
        StartSampling();
        ASSERT_TRUE(Form->IsMouseSelecting());
        MovePointer(target.Centre());
        PressRealKeys({'A'});
        ASSERT_FALSE(Form->IsMouseSelecting());
        sampled = target.Colour;
    }
    ::SetForegroundWindow(Form->Handle());
    ::SetFocus(Find("RedEdit"));
    ASSERT_TRUE(PutClipboardText(nullptr, "#102030")); // again: to the front
    PressRealKeys({VK_CONTROL, VK_SHIFT, 'V'});
    ASSERT_EQ(Rgb(), "16,32,48");
    CloseAndRestart();

    // Opens the menu with a right click on the swatch and chooses the recent
    // submenu's entry of that number (none for -1).
    const auto chooseRecent = [this](int recent)
    {
        RSwatchMenu::BeforeShows = &ReadAndChoose;
        SwatchMenu = &Form->SwatchMenu();
        ::SetForegroundWindow(Form->Handle());
        RECT bounds{};
        ::GetWindowRect(Find("TheShape"), &bounds);
        ChosenEntry = recent < 0 ? -1 : static_cast<int>(SwatchMenuEntries(0).size()) + 1; // after Copy As
        ChosenRecent = recent;
        RealClick(POINT{bounds.left + 5, bounds.top + 5}, true);
        RSwatchMenu::BeforeShows = nullptr;
        SwatchMenu = nullptr;
        ChosenRecent = -1;
    };
    chooseRecent(2);
    RColor printed(sampled);
    EXPECT_EQ(RecentEntries, (std::vector<std::string>{"&1  #102030", std::string("&2  ") + printed.GetHexValue().Text(), "&3  #010203",
                                                       ClearRecentColorsMenuText}));
    EXPECT_EQ(RecentSquares, (std::vector<COLORREF>{RGB(16, 32, 48), sampled, RGB(1, 2, 3), CLR_INVALID}));
    EXPECT_EQ(Rgb(), "1,2,3");

    // Cleared, the history stays cleared after a restart.
    chooseRecent(3);
    CloseAndRestart();
    chooseRecent(-1);
    EXPECT_EQ(RecentEntries, (std::vector<std::string>{ClearRecentColorsMenuText}));
}

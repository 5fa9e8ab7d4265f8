#include "ui/win32/SwatchMenuPopup.h"

#include "settings/UserFormats.h"
#include "text/WideText.h"
#include "ui/LayoutScale.h"
#include "ui/RColorEditor.h"
#include "ui/SwatchMenu.h"
#include "ui/win32/ColorClipboard.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/WindowsClipboard.h"

#include <vector>

void (*RSwatchMenu::BeforeShows)(HMENU menu) = nullptr;

namespace
{

// Commands: n + 1 is the swatch menu's entry n, RecentCommand + n the n-th
// recent colour, CopyAsCommand + n the Copy As submenu's entry n; 0 is the
// menu closed without a choice.
constexpr UINT ClearRecentCommand = 999;
constexpr UINT RecentCommand = 1000;
constexpr UINT CopyAsCommand = 2000;

// A menu draws a bitmap of an entry inverted while the entry is selected,
// which would show a recent colour as its opposite: the squares are drawn
// here instead, when the menu asks (WM_MEASUREITEM, WM_DRAWITEM).
constexpr int SquareSide = 16; // at 96 dpi

} // namespace

RSwatchMenu::RSwatchMenu(HWND form, RColorEditor& editor, const RColorClipboard& clipboard)
    : Form(form), Editor(editor), Clipboard(clipboard)
{
}

namespace
{

// The swatch's menu with its Copy As and recent colours' submenus; none
// when the system cannot make them.
HMENU SwatchPopup(const std::vector<RSwatchMenuEntry>& entries, const std::vector<RCopyAsEntry>& copyAs,
                  const std::vector<RRecentMenuEntry>& recent)
{
    HMENU menu = ::CreatePopupMenu();
    HMENU copyAsMenu = ::CreatePopupMenu();
    HMENU recentMenu = ::CreatePopupMenu();
    if (menu == nullptr || copyAsMenu == nullptr || recentMenu == nullptr)
    {
        for (HMENU made : {menu, copyAsMenu, recentMenu})
            if (made != nullptr)
                ::DestroyMenu(made);
        return nullptr;
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        if (entries[i].Text.empty())
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, i + 1, WideText(entries[i].Label).c_str());
    }
    // A Windows menu shows no tooltips: a form that cannot be read says why
    // beside its name.
    for (std::size_t i = 0; i < copyAs.size(); ++i)
    {
        if (copyAs[i].EditsFormats)
            ::AppendMenuA(copyAsMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(copyAsMenu, MF_STRING | (copyAs[i].Enabled ? 0 : MF_GRAYED), CopyAsCommand + i,
                      WideText(copyAs[i].LabelWithReason).c_str());
    }
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(copyAsMenu), WideText(CopyAsMenuTitle).c_str());
    // Each recent colour beside a square of it, its colour the entry's data.
    for (std::size_t i = 0; i < recent.size(); ++i)
    {
        ::AppendMenuW(recentMenu, MF_STRING, RecentCommand + i, WideText(recent[i].Label).c_str());
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP | MIIM_DATA;
        item.hbmpItem = HBMMENU_CALLBACK;
        item.dwItemData = recent[i].Color;
        ::SetMenuItemInfoA(recentMenu, static_cast<UINT>(i), TRUE, &item);
    }
    ::AppendMenuA(recentMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(recentMenu, MF_STRING, ClearRecentCommand, WideText(ClearRecentColorsMenuText).c_str());
    ::AppendMenuW(menu, MF_POPUP | (recent.empty() ? MF_GRAYED : 0), reinterpret_cast<UINT_PTR>(recentMenu),
                  WideText(RecentColorsMenuTitle).c_str());
    return menu;
}

} // namespace

void RSwatchMenu::Show(POINT at) const
{
    const std::vector<RSwatchMenuEntry> entries = SwatchMenuEntries(Editor.Color().GetColor());
    const std::vector<RCopyAsEntry> copyAs = CopyAsMenuEntries(Editor.Color().GetColor(), LoadUserFormats());
    const std::vector<RRecentMenuEntry> recent =
        RecentMenuEntries(Editor.RecentColors().Colors(), Editor.Color().GetHexFormat());
    HMENU menu = SwatchPopup(entries, copyAs, recent);
    if (menu == nullptr)
        return;
    if (BeforeShows != nullptr)
        BeforeShows(menu);
    // The owner must be the foreground window for the menu to close when
    // the user clicks elsewhere.
    ::SetForegroundWindow(Form);
    const auto chosen = static_cast<std::size_t>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, Form, nullptr));
    ::DestroyMenu(menu); // and the submenus within it
    if (chosen >= CopyAsCommand && chosen < CopyAsCommand + copyAs.size())
    {
        const RCopyAsEntry& entry = copyAs[chosen - CopyAsCommand];
        if (entry.EditsFormats)
            EditUserFormats();
        else
            PutClipboardText(Form, entry.Text);
    }
    else if (chosen == ClearRecentCommand)
        Editor.RecentColors().Clear();
    else if (chosen >= RecentCommand && chosen < RecentCommand + recent.size())
        Editor.TakeColor(recent[chosen - RecentCommand].Color);
    else if (chosen > 0 && chosen <= entries.size() && entries[chosen - 1].Text.empty())
        Clipboard.Paste();
    else if (chosen > 0 && chosen <= entries.size())
        PutClipboardText(Form, entries[chosen - 1].Text);
}

bool RSwatchMenu::MeasureSquare(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || item.itemID < RecentCommand)
        return false;
    // A small icon's size at the window's density, and room around it.
    const int side = ToDevicePixels(SquareSide, LayoutDpiOf(Form));
    item.itemWidth = static_cast<UINT>(side);
    item.itemHeight = static_cast<UINT>(side + 2);
    return true;
}

bool RSwatchMenu::DrawSquare(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || item.itemID < RecentCommand)
        return false;
    const int side = ToDevicePixels(SquareSide, LayoutDpiOf(Form));
    const RECT& area = item.rcItem;
    const int left = area.left + (area.right - area.left - side) / 2;
    const int top = area.top + (area.bottom - area.top - side) / 2;
    RECT square{left, top, left + side, top + side};
    HBRUSH frame = ::CreateSolidBrush(RGB(0, 0, 0));
    ::FillRect(item.hDC, &square, frame);
    ::DeleteObject(frame);
    ::InflateRect(&square, -1, -1);
    const auto color = static_cast<ColorValue>(item.itemData);
    HBRUSH fill = ::CreateSolidBrush(RGB(RedOfValue(color), GreenOfValue(color), BlueOfValue(color)));
    ::FillRect(item.hDC, &square, fill);
    ::DeleteObject(fill);
    return true;
}

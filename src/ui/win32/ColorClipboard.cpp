#include "ui/win32/ColorClipboard.h"

#include "colour/ColorText.h"
#include "ui/SwatchMenu.h"
#include "ui/win32/WindowsClipboard.h"

#include <string>
#include <vector>

void (*RColorClipboard::BeforeMenuShows)(HMENU menu) = nullptr;

namespace
{

bool Held(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

} // namespace

RColorClipboard::RColorClipboard(HWND form, HWND hexEdit, const RColor& color, std::function<void(ColorValue)> apply)
    : Form(form), HexEdit(hexEdit), Color(color), Apply(std::move(apply))
{
}

void RColorClipboard::CopyLiteral() const
{
    PutClipboardText(Form, Color.GetHexValue().Text());
}

bool RColorClipboard::Paste() const
{
    std::string text;
    ColorValue color = 0;
    if (!ClipboardText(Form, text) || !ParseColorText(text, color))
    {
        ::MessageBeep(MB_OK);
        return false;
    }
    Apply(color);
    return true;
}

bool RColorClipboard::TakeKey(const MSG& message) const
{
    if (message.message != WM_KEYDOWN || !Held(VK_CONTROL) || Held(VK_MENU))
        return false;
    if (Held(VK_SHIFT) && message.wParam == 'C')
    {
        CopyLiteral();
        return true;
    }
    if (Held(VK_SHIFT) && message.wParam == 'V')
    {
        Paste();
        return true;
    }
    // The hex box's text is the literal: Ctrl+C with nothing selected copies it whole.
    if (!Held(VK_SHIFT) && message.wParam == 'C' && message.hwnd == HexEdit)
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(HexEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start != end)
            return false;
        char text[64] = {};
        ::GetWindowTextA(HexEdit, text, sizeof text);
        PutClipboardText(Form, text);
        return true;
    }
    return false;
}

void RColorClipboard::ShowSwatchMenu(POINT at) const
{
    const std::vector<RSwatchMenuEntry> entries = SwatchMenuEntries(Color.GetColor());
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr)
        return;
    // Command n + 1 is entry n; 0 is the menu closed without a choice.
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        if (entries[i].Text.empty())
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, i + 1, entries[i].Label.c_str());
    }
    if (BeforeMenuShows != nullptr)
        BeforeMenuShows(menu);
    // The owner must be the foreground window for the menu to close when
    // the user clicks elsewhere.
    ::SetForegroundWindow(Form);
    const auto chosen = static_cast<std::size_t>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, Form, nullptr));
    ::DestroyMenu(menu);
    if (chosen == 0 || chosen > entries.size())
        return;
    const RSwatchMenuEntry& entry = entries[chosen - 1];
    if (entry.Text.empty())
        Paste();
    else
        PutClipboardText(Form, entry.Text);
}

#include "ui/win32/ColorClipboard.h"

#include "colour/ColorNotation.h"
#include "colour/ColorText.h"
#include "ui/RColorEditor.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/WindowsClipboard.h"

#include <algorithm>
#include <string>

namespace
{

bool Held(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

} // namespace

RColorClipboard::RColorClipboard(HWND form, HWND hexEdit, RColorEditor& editor)
    : Form(form), HexEdit(hexEdit), Editor(editor)
{
}

void RColorClipboard::CopyLiteral() const
{
    PutClipboardText(Form, LiteralOf(Editor.Color().GetColor(), Editor.Color().GetHexFormat()));
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
    Editor.TakeColor(color);
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
    // A literal pasted into a box was meant as the colour, not as digits
    // after the box's own; plain numbers paste into the box as ever.
    if (!Held(VK_SHIFT) && message.wParam == 'V' &&
        std::find(ColorBoxes.begin(), ColorBoxes.end(), message.hwnd) != ColorBoxes.end())
    {
        std::string text;
        ColorValue color = 0;
        if (!ClipboardText(Form, text) || !ParseMarkedColorText(text, color))
            return false;
        Editor.TakeColor(color);
        return true;
    }
    // The hex box's text is the literal: Ctrl+C with nothing selected copies it whole.
    if (!Held(VK_SHIFT) && message.wParam == 'C' && message.hwnd == HexEdit)
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(HexEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start != end)
            return false;
        PutClipboardText(Form, WindowUtf8Text(HexEdit));
        return true;
    }
    return false;
}

#include "ui/win32/RSpeedButton.h"

#include "ui/LayoutScale.h"
#include "ui/win32/Dpi.h"

#include <windowsx.h>

namespace
{
constexpr const char* SpeedButtonClass = "TintwellSpeedButton";
constexpr int GlyphSpacing = 4; // layout pixels between the glyph and the caption
} // namespace

RSpeedButton::RSpeedButton(HWND parent, int id, const char* caption, HBITMAP glyph, int left, int top, int width,
                           int height)
    : Glyph(glyph)
{
    PaintsItself();
    RegisterClassOnce(SpeedButtonClass);
    CreateHandle(SpeedButtonClass, caption, WS_CHILD | WS_VISIBLE, 0, left, top, width, height, parent, id);
}

void RSpeedButton::SetGlyph(HBITMAP glyph)
{
    Glyph = glyph;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool RSpeedButton::PointerInside(LPARAM lParam) const
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return ::PtInRect(&area, at) != FALSE;
}

LRESULT RSpeedButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ENABLE:
        ::InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // No SetFocus: the focus stays where it was.
        ::SetCapture(Handle());
        Pressed = true;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (::GetCapture() == Handle() && Pressed != PointerInside(lParam))
        {
            Pressed = PointerInside(lParam);
            ::InvalidateRect(Handle(), nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
    {
        const bool click = ::GetCapture() == Handle() && PointerInside(lParam);
        ::ReleaseCapture();
        Pressed = false;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        if (click)
            ::SendMessageA(::GetParent(Handle()), WM_COMMAND,
                           MAKEWPARAM(::GetDlgCtrlID(Handle()), BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
        return 0;
    }
    case WM_CAPTURECHANGED:
        Pressed = false;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void RSpeedButton::Paint(HDC dc)
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(dc, &area, Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int dpi = LayoutDpiOf(Handle());
    const int shift = Pressed ? ToDevicePixels(1, dpi) : 0;
    const int spacing = ToDevicePixels(GlyphSpacing, dpi);

    char caption[128] = {};
    ::GetWindowTextA(Handle(), caption, sizeof caption);
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    SIZE text{};
    ::GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &text);
    BITMAP glyph{};
    if (Glyph != nullptr)
        ::GetObjectA(Glyph, sizeof glyph, &glyph);
    // Glyph and caption centred together, as one line.
    const int whole = glyph.bmWidth + (Glyph != nullptr ? spacing : 0) + text.cx;
    int x = (area.right - whole) / 2 + shift;
    if (Glyph != nullptr)
    {
        HDC source = ::CreateCompatibleDC(dc);
        HGDIOBJ oldBitmap = ::SelectObject(source, Glyph);
        ::TransparentBlt(dc, x, (area.bottom - glyph.bmHeight) / 2 + shift, glyph.bmWidth, glyph.bmHeight, source, 0,
                         0, glyph.bmWidth, glyph.bmHeight, GlyphTransparent);
        ::SelectObject(source, oldBitmap);
        ::DeleteDC(source);
        x += glyph.bmWidth + spacing;
    }
    RECT line = {x, area.top + shift, area.right, area.bottom + shift};
    ::SetBkMode(dc, TRANSPARENT);
    if (::IsWindowEnabled(Handle()))
    {
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        ::DrawTextA(dc, caption, -1, &line, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    else
    {
        // Greyed, with the highlight below it, as disabled captions are drawn.
        RECT highlight = {line.left + 1, line.top + 1, line.right + 1, line.bottom + 1};
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(dc, caption, -1, &highlight, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, caption, -1, &line, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    ::SelectObject(dc, oldFont);
}

#include "ui/win32/RPanel.h"

namespace
{

constexpr const char* PanelClass = "TintwellPanel";

bool GoesToTheForm(UINT message)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return true;
    default:
        return false;
    }
}

} // namespace

RPanel::RPanel(HWND parent, const char* caption, Look look, bool white, int left, int top, int width, int height)
    : TheLook(look), White(white)
{
    PaintsItself();
    RegisterClassOnce(PanelClass);
    CreateHandle(PanelClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                 WS_EX_CONTROLPARENT, left, top, width, height, parent);
}

LRESULT RPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GoesToTheForm(message))
        return ::SendMessageA(::GetParent(Handle()), message, wParam, lParam);
    return Default(message, wParam, lParam);
}

void RPanel::Paint(HDC dc)
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    ::FillRect(dc, &area, ::GetSysColorBrush(White ? COLOR_WINDOW : COLOR_BTNFACE));
    if (TheLook == Look::Raised)
    {
        ::DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    if (TheLook != Look::Group)
        return;
    // The frame runs through the middle of the caption's line; the caption
    // sits on it with the face colour behind.
    char caption[64] = {};
    ::GetWindowTextA(Handle(), caption, sizeof caption);
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    ::GetTextMetricsA(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    RECT text = {area.left + 8, area.top, area.right - 8, area.top + metrics.tmHeight};
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkMode(dc, OPAQUE);
    ::DrawTextA(dc, caption, -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);
}

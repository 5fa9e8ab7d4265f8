#include "ui/win32/TBigScreenDlg.h"

#include "colour/Contrast.h"
#include "colour/RColor.h"
#include "ui/LayoutScale.h"
#include "ui/win32/CursorTable.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/RScreenBitmap.h"
#include "ui/win32/TTWMainForm.h"

#include <windowsx.h>

#include <algorithm>

namespace
{

constexpr const char* BigScreenClass = "TBigScreenDlg";
} // namespace

// One monitor's part of the copy, in a window over that monitor.
class TBigScreenDlg::RMonitorPane : public RWindow
{
public:
    explicit RMonitorPane(TBigScreenDlg& owner) : Owner(owner)
    {
        PaintsItself();
        RegisterClassOnce(BigScreenClass);
        // No owner window: an owned window would stay above the main window,
        // which must stay above the copy. No task-bar button of its own, and
        // never the active window: window managers lift an active window
        // that covers a monitor above always-on-top ones.
        CreateHandle(BigScreenClass, "BigScreenDlg", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, 0, 0, 1, 1,
                     nullptr);
    }

    // Shows the pane over monitor, above every window but those always on
    // top (the main window among them): windows made since the last showing
    // lie above it until then.
    void Cover(const RECT& monitor)
    {
        Area = monitor;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        ::SetWindowPos(Handle(), HWND_TOP, monitor.left, monitor.top, monitor.right - monitor.left,
                       monitor.bottom - monitor.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }

    bool Holds(POINT desktop) const { return ::PtInRect(&Area, desktop) != FALSE; }
    POINT Origin() const { return POINT{Area.left, Area.top}; }
    RLoupeRect Monitor() const
    {
        return RLoupeRect{Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top};
    }
    // area (desktop pixels) drawn again where it lies on this pane.
    void Invalidate(const RLoupeRect& area) const
    {
        RECT part{area.Left - Area.left, area.Top - Area.top, area.Left + area.Width - Area.left,
                  area.Top + area.Height - Area.top};
        ::InvalidateRect(Handle(), &part, FALSE);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_SETCURSOR:
            ::SetCursor(CursorFor(crDropper));
            return TRUE;
        case WM_MOUSEACTIVATE:
            // The activation stays where it is, whichever pane is clicked.
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
            Owner.FormMouseMove(*this, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            Owner.FormClick();
            return 0;
        case WM_CHAR:
            Owner.FormKeyPress(wParam);
            return 0;
        case WM_CLOSE:
            // Alt+F4 reaches it while it holds the keyboard; sampling ends by
            // a click or a typed key only, and the window stays for the next.
            return 0;
        case WM_DPICHANGED:
            // It keeps its monitor's size in device pixels.
            return 0;
        default:
            return Default(message, wParam, lParam);
        }
    }

private:
    void Paint(HDC dc) override
    {
        const RScreenBitmap* image = Owner.ScreenImage;
        if (image == nullptr || image->Bitmap == nullptr)
            return;
        HDC source = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(source, image->Bitmap);
        // Only what the update region holds reaches the screen: after a
        // movement, the loupe's old and new areas.
        ::BitBlt(dc, 0, 0, Area.right - Area.left, Area.bottom - Area.top, source, Area.left - image->Left,
                 Area.top - image->Top, SRCCOPY);
        ::SelectObject(source, old);
        ::DeleteDC(source);
        Owner.DrawLoupe(dc, Origin());
    }

    TBigScreenDlg& Owner;
    RECT Area{};
};

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner) : OwnerForm(owner)
{
    Panes.push_back(std::make_unique<RMonitorPane>(*this));
    InstallCursor(crDropper, LoadDropperCursor());
}

TBigScreenDlg::~TBigScreenDlg()
{
    ReleaseKeyboard(Panes.front()->Handle());
    if (TheLoupeFont != nullptr)
        ::DeleteObject(TheLoupeFont);
}

void TBigScreenDlg::ShowScreenImage(const RScreenBitmap* image)
{
    ScreenImage = image;
    Cancelled = false;
    // Monitors come and go between showings.
    const std::vector<RECT> monitors = MonitorAreas();
    while (Panes.size() < monitors.size())
        Panes.push_back(std::make_unique<RMonitorPane>(*this));
    Panes.resize(monitors.size());
    // The loupe beside the pointer from the start.
    Loupe = {};
    POINT pointer{};
    ::GetCursorPos(&pointer);
    for (std::size_t i = 0; i < monitors.size(); ++i)
    {
        Panes[i]->Cover(monitors[i]);
        if (Panes[i]->Holds(pointer))
            MoveLoupe(*Panes[i], pointer);
    }
    // None is made active: the main window, whose button started this, stays
    // the active window, so the keys come to the program, and every key goes
    // to the first pane while they show. (An active window covering a
    // monitor is lifted by window managers into the full-screen layer,
    // above always-on-top windows, and wine then puts it below the windows
    // made since.)
    HoldKeyboard(Panes.front()->Handle());
    // The main window active, whatever the window manager focused meanwhile;
    // without it, the first pane, or the keys would go to another program.
    ::SetForegroundWindow(EscapeCancels ? Panes.front()->Handle() : OwnerForm.Handle());
    ::SetCursor(CursorFor(crDropper));
}

void TBigScreenDlg::FormMouseMove(const RMonitorPane& pane, int x, int y)
{
    const POINT desktop{pane.Origin().x + x, pane.Origin().y + y};
    MoveLoupe(pane, desktop);
    OwnerForm.ApplyColor(CopyPixel(desktop));
}

ColorValue TBigScreenDlg::CopyPixel(POINT desktop) const
{
    // From the copy itself, not the screen: the loupe may lie there until
    // it is drawn elsewhere.
    if (ScreenImage == nullptr || ScreenImage->Bitmap == nullptr)
        return 0xFFFFFFFF;
    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(source, ScreenImage->Bitmap);
    const ColorValue pixel = ::GetPixel(source, desktop.x - ScreenImage->Left, desktop.y - ScreenImage->Top);
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return pixel;
}

RECT TBigScreenDlg::LoupeArea() const
{
    return RECT{Loupe.Left, Loupe.Top, Loupe.Left + Loupe.Width, Loupe.Top + Loupe.Height};
}

void TBigScreenDlg::InvalidateLoupe() const
{
    if (Loupe.Width == 0)
        return;
    for (const auto& pane : Panes)
        if (pane->Monitor().Intersects(Loupe))
            pane->Invalidate(Loupe);
}

void TBigScreenDlg::MoveLoupe(const RMonitorPane& pane, POINT hotSpot)
{
    // The main window stays above the copy and would hide the loupe.
    RECT form{};
    ::GetWindowRect(OwnerForm.Handle(), &form);
    const RLoupeRect avoid{form.left, form.top, form.right - form.left, form.bottom - form.top};
    InvalidateLoupe();
    HotSpot = hotSpot;
    LoupeRatio = static_cast<double>(MonitorDpiAt(hotSpot)) / LayoutDpi;
    Loupe = RLoupeLayout::Place(hotSpot.x, hotSpot.y, pane.Monitor(), LoupeRatio, avoid);
    InvalidateLoupe();
}

void TBigScreenDlg::DrawLoupe(HDC dc, POINT origin) const
{
    if (Loupe.Width == 0 || ScreenImage == nullptr || ScreenImage->Bitmap == nullptr)
        return;
    using Layout = RLoupeLayout;
    const int left = Loupe.Left - origin.x, top = Loupe.Top - origin.y;
    RECT area{left, top, left + Loupe.Width, top + Loupe.Height};
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    const int gridLeft = left + Layout::Border, gridTop = top + Layout::Border;
    // Where the copy ends: grey over black, neither black nor white nor any
    // likely pixel.
    HBRUSH outside = ::CreateSolidBrush(RGB(0x30, 0x30, 0x30));
    RECT grid{gridLeft, gridTop, gridLeft + Layout::Grid, gridTop + Layout::Grid};
    ::FillRect(dc, &grid, outside);
    ::DeleteObject(outside);
    // The block of the copy around the hot spot, where it lies in the copy,
    // each pixel a square of cells: stretched by a whole factor without
    // blending, so every square is exactly its pixel.
    const RScreenBitmap& image = *ScreenImage;
    const int blockLeft = HotSpot.x - Layout::Cells / 2, blockTop = HotSpot.y - Layout::Cells / 2;
    const int fromX = std::max(blockLeft, image.Left), fromY = std::max(blockTop, image.Top);
    const int toX = std::min(blockLeft + Layout::Cells, image.Left + image.Width);
    const int toY = std::min(blockTop + Layout::Cells, image.Top + image.Height);
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, image.Bitmap);
    if (fromX < toX && fromY < toY)
    {
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, gridLeft + (fromX - blockLeft) * Layout::CellSize, gridTop + (fromY - blockTop) * Layout::CellSize,
                     (toX - fromX) * Layout::CellSize, (toY - fromY) * Layout::CellSize, source, fromX - image.Left,
                     fromY - image.Top, toX - fromX, toY - fromY, SRCCOPY);
    }
    ::SelectObject(source, old);
    ::DeleteDC(source);
    const ColorValue centre = CopyPixel(HotSpot);
    const bool taken = centre != CLR_INVALID;
    // The taken pixel: a frame on its own square, in whichever of black and
    // white stands out from it.
    const bool white = taken && ContrastRatio(0xFFFFFF, centre) >= ContrastRatio(0, centre);
    const int square = Layout::Cells / 2 * Layout::CellSize;
    RECT frame{gridLeft + square, gridTop + square, gridLeft + square + Layout::CellSize,
               gridTop + square + Layout::CellSize};
    ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(white ? WHITE_BRUSH : BLACK_BRUSH)));
    if (!taken)
        return;
    // The taken pixel's literal beneath, in the notation shown.
    RColor color(centre);
    color.SetHexFormat(OwnerForm.CurrentColor().GetHexFormat());
    HGDIOBJ oldFont = ::SelectObject(dc, LoupeFont(Layout::TextSize(LoupeRatio)));
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    RECT line{gridLeft, gridTop + Layout::Grid, gridLeft + Layout::Grid, gridTop + Layout::Grid + Layout::TextHeight(LoupeRatio)};
    ::DrawTextA(dc, color.GetHexValue().Text(), -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

HFONT TBigScreenDlg::LoupeFont(int size) const
{
    // Made when the size changes (another monitor's density), not at every paint.
    if (TheLoupeFont == nullptr || LoupeFontSize != size)
    {
        if (TheLoupeFont != nullptr)
            ::DeleteObject(TheLoupeFont);
        TheLoupeFont = ::CreateFontA(-size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
        LoupeFontSize = size;
    }
    return TheLoupeFont;
}

void TBigScreenDlg::FormClick()
{
    // A key may still come after the click that ended sampling.
    if (!::IsWindowVisible(Panes.front()->Handle()))
        return;
    POINT at{};
    ::GetCursorPos(&at);
    if (std::any_of(Panes.begin(), Panes.end(), [at](const auto& pane) { return pane->Holds(at); }))
        OwnerForm.ApplyColor(CopyPixel(at));
    HideAll();
}

void TBigScreenDlg::FormKeyPress(WPARAM& key)
{
    // Every key that types a character, Escape and Enter included, is
    // swallowed and takes the pixel as a click does.
    const bool escape = key == VK_ESCAPE;
    key = 0;
    if (EscapeCancels && escape && ::IsWindowVisible(Panes.front()->Handle()))
    {
        Cancelled = true;
        HideAll();
        return;
    }
    FormClick();
}

void TBigScreenDlg::HideAll()
{
    ReleaseKeyboard(Panes.front()->Handle());
    for (const auto& pane : Panes)
        ::ShowWindow(pane->Handle(), SW_HIDE);
    OwnerForm.EndMouseSelect();
}

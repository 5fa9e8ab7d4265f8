#include "ui/win32/TBigScreenDlg.h"

#include "ui/AccessibleNames.h"
#include "ui/LoupePicture.h"
#include "ui/win32/CursorTable.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/PixelArt.h"
#include "ui/win32/PointerHold.h"
#include "ui/win32/ScreenAccess.h"
#include "ui/win32/ScreenReaderNames.h"
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
    void Cover(const RMonitor& monitor)
    {
        Area = monitor;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        ::SetWindowPos(Handle(), HWND_TOP, monitor.Left, monitor.Top, monitor.Width, monitor.Height,
                       SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }

    bool Holds(POINT desktop) const { return Area.Contains(desktop.x, desktop.y); }
    POINT Origin() const { return POINT{Area.Left, Area.Top}; }
    const RMonitor& Monitor() const { return Area; }
    // area (desktop pixels) drawn again where it lies on this pane.
    void Invalidate(const RLoupeRect& area) const
    {
        RECT part{area.Left - Area.Left, area.Top - Area.Top, area.Left + area.Width - Area.Left,
                  area.Top + area.Height - Area.Top};
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
        case HeldPointerClicked:
            Owner.FormClick();
            return 0;
        case HeldPointerMoved:
            Owner.FollowAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
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
        if (Owner.ScreenImage == nullptr)
            return;
        // Only what the update region holds reaches the screen: after a
        // movement, the loupe's old and new areas.
        Owner.ScreenImage->PaintPart(dc, Origin(), Area.Width, Area.Height);
        Owner.DrawLoupe(dc, Origin());
    }

    TBigScreenDlg& Owner;
    RMonitor Area;
};

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner) : OwnerForm(owner)
{
    ThePanes.push_back(std::make_unique<RMonitorPane>(*this));
    InstallCursor(crDropper, LoadDropperCursor());
    SetAccessibleName(KeyboardPane(), SamplingWindowName);
}

HWND TBigScreenDlg::KeyboardPane() const
{
    return ThePanes.front()->Handle();
}

void TBigScreenDlg::Announce(const std::string& text)
{
    SetAccessibleName(KeyboardPane(), text);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, KeyboardPane(), OBJID_CLIENT, CHILDID_SELF);
}

TBigScreenDlg::~TBigScreenDlg()
{
    ReleaseKeyboard(ThePanes.front()->Handle());
    ReleasePointer();
    if (TheLoupeFont != nullptr)
        ::DeleteObject(TheLoupeFont);
}

void TBigScreenDlg::ShowScreenImage(const RDesktopCopy* image)
{
    ScreenImage = image;
    // Monitors come and go between showings.
    const std::vector<RMonitor> monitors = DesktopMonitors();
    while (ThePanes.size() < monitors.size())
        ThePanes.push_back(std::make_unique<RMonitorPane>(*this));
    ThePanes.resize(monitors.size());
    // The loupe beside the pointer from the start; nothing of the last copy's.
    TheLoupe = {};
    TheLoupeSource = {};
    TheLoupeBlock.clear();
    TheLoupePixels.clear();
    POINT pointer{};
    ::GetCursorPos(&pointer);
    for (std::size_t i = 0; i < monitors.size(); ++i)
        ThePanes[i]->Cover(monitors[i]);
    // On the monitor under the pointer, or the nearest where it is in a gap.
    if (const int under = MonitorAt(monitors, pointer.x, pointer.y); under >= 0)
        MoveLoupe(*ThePanes[static_cast<std::size_t>(under)], pointer);
    // None is made active: the main window, whose button started this, stays
    // the active window, so the keys come to the program, and every key goes
    // to the first pane while they show. (An active window covering a
    // monitor is lifted by window managers into the full-screen layer,
    // above always-on-top windows, and wine then puts it below the windows
    // made since.)
    HoldKeyboard(ThePanes.front()->Handle());
    HoldPointer(ThePanes.front()->Handle());
    // The main window active, whatever the window manager focused meanwhile;
    // without it, the first pane (a pick from the command line, without the
    // main window), or the keys would go to another program.
    const bool withoutWindow = OwnerForm.Sampling().IsCommandLinePick();
    ::SetForegroundWindow(withoutWindow ? ThePanes.front()->Handle() : OwnerForm.Handle());
    ::SetCursor(CursorFor(crDropper));
}

void TBigScreenDlg::FormMouseMove(const RMonitorPane& pane, int x, int y)
{
    const POINT desktop{pane.Origin().x + x, pane.Origin().y + y};
    MoveLoupe(pane, desktop);
    OwnerForm.Sampling().Follow(CopyPixel(desktop));
}

void TBigScreenDlg::FollowAt(POINT desktop)
{
    for (const auto& pane : ThePanes)
        if (pane->Holds(desktop))
        {
            FormMouseMove(*pane, desktop.x - pane->Origin().x, desktop.y - pane->Origin().y);
            return;
        }
}

ColorValue TBigScreenDlg::CopyPixel(POINT desktop) const
{
    // From the copy itself, not the screen: the loupe may lie there until
    // it is drawn elsewhere. The loupe's block already holds the hot spot's.
    if (TheLoupeSource.Contains(desktop.x, desktop.y) && !TheLoupeBlock.empty())
        return TheLoupeBlock[static_cast<std::size_t>((desktop.y - TheLoupeSource.Top) * TheLoupeSource.Width +
                                                      desktop.x - TheLoupeSource.Left)];
    return ScreenImage != nullptr ? ScreenImage->Pixel(desktop) : NoPixel;
}

RECT TBigScreenDlg::LoupeArea() const
{
    return RECT{TheLoupe.Left, TheLoupe.Top, TheLoupe.Left + TheLoupe.Width, TheLoupe.Top + TheLoupe.Height};
}

void TBigScreenDlg::InvalidateLoupe() const
{
    if (TheLoupe.Width == 0)
        return;
    for (const auto& pane : ThePanes)
        if (pane->Monitor().Area().Intersects(TheLoupe))
            pane->Invalidate(TheLoupe);
}

void TBigScreenDlg::MoveLoupe(const RMonitorPane& pane, POINT hotSpot)
{
    // The main window stays above the copy and would hide the loupe.
    RECT form{};
    ::GetWindowRect(OwnerForm.Handle(), &form);
    const RLoupeRect avoid{form.left, form.top, form.right - form.left, form.bottom - form.top};
    const RMonitor& monitor = pane.Monitor();
    InvalidateLoupe();
    TheLoupeRatio = monitor.Ratio;
    TheLoupe = RLoupeLayout::Place(hotSpot.x, hotSpot.y, monitor.Area(), TheLoupeRatio, avoid);
    // The core's picture, once for this hot spot.
    TheLoupeSource = LoupeSource(hotSpot.x, hotSpot.y);
    TheLoupeBlock = ScreenImage != nullptr ? ScreenImage->PixelBlock(TheLoupeSource.Left, TheLoupeSource.Top,
                                                                     TheLoupeSource.Width, TheLoupeSource.Height)
                                           : std::vector<ColorValue>();
    const RLoupePicture picture = LoupePictureOf(TheLoupeBlock, OwnerForm.CurrentColor().GetHexFormat());
    TheLoupePixels = LoupePixels(picture, TheLoupeRatio);
    TheLoupeLiteral = picture.Literal;
    InvalidateLoupe();
}

void TBigScreenDlg::DrawLoupe(HDC dc, POINT origin) const
{
    if (TheLoupe.Width == 0 || TheLoupePixels.empty())
        return;
    // The picture one to one in device pixels, then its literal.
    const int left = TheLoupe.Left - origin.x, top = TheLoupe.Top - origin.y;
    PutPixels(dc, left, top, TheLoupe.Width, TheLoupe.Height, TheLoupePixels.data());
    if (TheLoupeLiteral.empty())
        return;
    const RLoupeRect text = LoupeTextLine(TheLoupeRatio);
    RECT line{left + text.Left, top + text.Top, left + text.Left + text.Width, top + text.Top + text.Height};
    HGDIOBJ oldFont = ::SelectObject(dc, LoupeFont(RLoupeLayout::TextSize(TheLoupeRatio)));
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, TheLoupeLiteral.c_str(), -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

HFONT TBigScreenDlg::LoupeFont(int size) const
{
    // Made when the size changes (another monitor's density), not at every paint.
    if (TheLoupeFont == nullptr || TheLoupeFontSize != size)
    {
        if (TheLoupeFont != nullptr)
            ::DeleteObject(TheLoupeFont);
        TheLoupeFont = ::CreateFontA(-size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
        TheLoupeFontSize = size;
    }
    return TheLoupeFont;
}

void TBigScreenDlg::FormClick()
{
    // A key may still come after the click that ended sampling.
    if (!::IsWindowVisible(ThePanes.front()->Handle()))
        return;
    POINT at{};
    ::GetCursorPos(&at);
    if (std::any_of(ThePanes.begin(), ThePanes.end(), [at](const auto& pane) { return pane->Holds(at); }))
        OwnerForm.Sampling().Take(CopyPixel(at));
    HideAll();
}

void TBigScreenDlg::FormKeyPress(WPARAM& key)
{
    // Every key that types a character reaches here, and is swallowed; the
    // session says what it does.
    const bool escape = key == VK_ESCAPE;
    key = 0;
    if (!::IsWindowVisible(ThePanes.front()->Handle()))
        return;
    if (OwnerForm.Sampling().KeyPressed(true, escape) == RSamplingKey::Cancels)
    {
        OwnerForm.Sampling().Cancel();
        HideAll();
        return;
    }
    FormClick();
}

void TBigScreenDlg::HideAll()
{
    ReleaseKeyboard(ThePanes.front()->Handle());
    ReleasePointer();
    for (const auto& pane : ThePanes)
        ::ShowWindow(pane->Handle(), SW_HIDE);
    OwnerForm.EndMouseSelect();
}

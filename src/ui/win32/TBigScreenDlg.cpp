#include "ui/win32/TBigScreenDlg.h"

#include "ui/win32/CursorTable.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/RScreenBitmap.h"
#include "ui/win32/TTWMainForm.h"

#include <windowsx.h>

namespace
{

constexpr const char* BigScreenClass = "TBigScreenDlg";

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors)
{
    reinterpret_cast<std::vector<RECT>*>(monitors)->push_back(*area);
    return TRUE;
}

// Every monitor's area on the desktop, in device pixels; the primary, at
// the origin, first.
std::vector<RECT> MonitorAreas()
{
    std::vector<RECT> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    for (std::size_t i = 1; i < monitors.size(); ++i)
        if (monitors[i].left == 0 && monitors[i].top == 0)
            std::swap(monitors[0], monitors[i]);
    if (monitors.empty())
        monitors.push_back(RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

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
        // which must stay above the copy. No task-bar button of its own.
        CreateHandle(BigScreenClass, "BigScreenDlg", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 1, 1, nullptr);
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

    // The window's own pixel, as it shows on the screen; all bits set when
    // it cannot be read.
    ColorValue OwnPixel(int x, int y) const
    {
        HDC dc = ::GetDC(Handle());
        const ColorValue pixel = ::GetPixel(dc, x, y);
        ::ReleaseDC(Handle(), dc);
        return pixel;
    }

    bool Holds(POINT desktop) const { return ::PtInRect(&Area, desktop) != FALSE; }
    POINT Origin() const { return POINT{Area.left, Area.top}; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_SETCURSOR:
            ::SetCursor(CursorFor(crDropper));
            return TRUE;
        case WM_MOUSEACTIVATE:
            // The first pane stays the active window, whichever is clicked.
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
        ::BitBlt(dc, 0, 0, Area.right - Area.left, Area.bottom - Area.top, source, Area.left - image->Left,
                 Area.top - image->Top, SRCCOPY);
        ::SelectObject(source, old);
        ::DeleteDC(source);
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
}

void TBigScreenDlg::ShowScreenImage(const RScreenBitmap* image)
{
    ScreenImage = image;
    // Monitors come and go between showings.
    const std::vector<RECT> monitors = MonitorAreas();
    while (Panes.size() < monitors.size())
        Panes.push_back(std::make_unique<RMonitorPane>(*this));
    Panes.resize(monitors.size());
    for (std::size_t i = 0; i < monitors.size(); ++i)
        Panes[i]->Cover(monitors[i]);
    Shown = true;
    // The first made active, so that the keys reach it; and every key goes
    // to it while it shows, wherever the focus goes, as a click on the main
    // window may take it there.
    HWND first = Panes.front()->Handle();
    ::SetForegroundWindow(first);
    ::SetActiveWindow(first);
    HoldKeyboard(first);
    ::SetCursor(CursorFor(crDropper));
}

const TBigScreenDlg::RMonitorPane* TBigScreenDlg::PaneUnderPointer() const
{
    POINT at{};
    ::GetCursorPos(&at);
    for (const auto& pane : Panes)
        if (pane->Holds(at))
            return pane.get();
    return nullptr;
}

void TBigScreenDlg::FormMouseMove(const RMonitorPane& pane, int x, int y)
{
    OwnerForm.ApplyColor(pane.OwnPixel(x, y));
}

void TBigScreenDlg::FormClick()
{
    if (!Shown)
        return;
    if (const RMonitorPane* pane = PaneUnderPointer())
    {
        POINT at{};
        ::GetCursorPos(&at);
        ::ScreenToClient(pane->Handle(), &at);
        OwnerForm.ApplyColor(pane->OwnPixel(at.x, at.y));
    }
    HideAll();
}

void TBigScreenDlg::FormKeyPress(WPARAM& key)
{
    // Every key that types a character, Escape and Enter included, is
    // swallowed and takes the pixel as a click does.
    key = 0;
    FormClick();
}

void TBigScreenDlg::HideAll()
{
    Shown = false;
    ReleaseKeyboard(Panes.front()->Handle());
    // The others first: the first, active, hands the activation back last.
    for (std::size_t i = Panes.size(); i-- > 0;)
        ::ShowWindow(Panes[i]->Handle(), SW_HIDE);
    OwnerForm.EndMouseSelect();
}

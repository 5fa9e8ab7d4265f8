// The loupe while sampling under wine: every square is the copy's pixel
// under it, at the middle of a patterned window and against every edge of
// every monitor, and the loupe keeps clear of the hot spot.
#include "ui/win32/MainFormFixture.h"

#include "ui/LoupePlacement.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/TBigScreenDlg.h"

#include <vector>

namespace
{

// A window whose every pixel differs from its neighbours.
class PatternWindow
{
public:
    PatternWindow(int left, int top, int width, int height)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &PatternWindow::Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TintwellTestPattern";
        ::RegisterClassA(&windowClass);
        // An application's window, which the window manager manages, as
        // users' windows are (wine leaves a bare popup to the X server, which
        // keeps it above every managed window); one that does not take the
        // focus, which the user's click on the main window has.
        Handle = ::CreateWindowExA(WS_EX_APPWINDOW | WS_EX_NOACTIVATE, "TintwellTestPattern", "", WS_POPUP, left, top, width, height,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::ShowWindow(Handle, SW_SHOWNOACTIVATE);
        PumpFor(300);
    }
    ~PatternWindow() { ::DestroyWindow(Handle); }
    HWND Handle;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_ERASEBKGND)
            return ::DefWindowProcA(window, message, wParam, lParam);
        RECT area{};
        ::GetClientRect(window, &area);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(area.right * area.bottom));
        for (int y = 0; y < area.bottom; ++y)
            for (int x = 0; x < area.right; ++x)
                pixels[static_cast<std::size_t>(y * area.right + x)] =
                    static_cast<std::uint32_t>(((x * 37) & 0xFF) << 16 | ((y * 53) & 0xFF) << 8 | ((x + y) * 11 & 0xFF));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = area.right;
        info.bmiHeader.biHeight = -area.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        ::SetDIBitsToDevice(reinterpret_cast<HDC>(wParam), 0, 0, static_cast<DWORD>(area.right),
                            static_cast<DWORD>(area.bottom), 0, 0, 0, static_cast<UINT>(area.bottom), pixels.data(),
                            &info, DIB_RGB_COLORS);
        return 1;
    }
};

COLORREF DesktopPixel(POINT at)
{
    HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    return pixel;
}

} // namespace

TEST_F(MainFormTest, EveryLoupeSquareIsTheCopysPixelAtEveryEdge)
{
    const std::vector<RECT> monitors = MonitorAreas();
    RECT form{};
    ::GetWindowRect(Form->Handle(), &form);
    // Patterns in the middle of the primary, below the main window, and at
    // every monitor's four corners: there the loupe's block reaches past
    // the monitor, onto the next one or beyond the desktop.
    std::vector<std::unique_ptr<PatternWindow>> patterns;
    std::vector<POINT> hotSpots;
    patterns.push_back(std::make_unique<PatternWindow>(form.left, form.bottom + 40, 200, 150));
    hotSpots.push_back(POINT{form.left + 100, form.bottom + 115});
    for (const RECT& monitor : monitors)
        for (const POINT corner : {POINT{monitor.left, monitor.top}, POINT{monitor.right - 1, monitor.top},
                                   POINT{monitor.left, monitor.bottom - 1}, POINT{monitor.right - 1, monitor.bottom - 1}})
        {
            const bool right = corner.x != monitor.left, bottom = corner.y != monitor.top;
            if (::PtInRect(&form, corner))
                continue; // under the main window: it samples itself there
            patterns.push_back(
                std::make_unique<PatternWindow>(right ? corner.x - 59 : corner.x, bottom ? corner.y - 59 : corner.y, 60, 60));
            hotSpots.push_back(corner);
        }

    StartSampling();
    ASSERT_TRUE(Form->IsMouseSelecting());
    PumpFor(300);
    using Layout = RLoupeLayout;
    const RECT desktopArea{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                           ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    for (const POINT hot : hotSpots)
    {
        // Before the loupe moves there: the copy shows under the pointer.
        std::vector<COLORREF> block;
        for (int row = 0; row < Layout::Cells; ++row)
            for (int column = 0; column < Layout::Cells; ++column)
                block.push_back(DesktopPixel(POINT{hot.x - Layout::Cells / 2 + column, hot.y - Layout::Cells / 2 + row}));
        ::SetCursorPos(hot.x, hot.y);
        PumpFor(300);
        const RECT loupe = Form->SamplingWindows()->LoupeArea();
        ASSERT_GT(loupe.right, loupe.left) << "no loupe at " << hot.x << "," << hot.y;
        EXPECT_FALSE(::PtInRect(&loupe, hot)) << "the loupe covers the hot spot at " << hot.x << "," << hot.y;
        int wrong = 0;
        for (int row = 0; row < Layout::Cells; ++row)
            for (int column = 0; column < Layout::Cells; ++column)
            {
                // A pixel inside the square, clear of the centre's frame.
                const POINT square{loupe.left + Layout::Border + column * Layout::CellSize + 3,
                                   loupe.top + Layout::Border + row * Layout::CellSize + 3};
                const POINT desktop{hot.x - Layout::Cells / 2 + column, hot.y - Layout::Cells / 2 + row};
                // On a monitor: the copy's pixel; beyond the desktop: the
                // grey of no pixel; in a gap between monitors: whatever
                // the system copied there.
                const bool onAMonitor = ::MonitorFromPoint(desktop, MONITOR_DEFAULTTONULL) != nullptr;
                const bool beyond = !::PtInRect(&desktopArea, desktop);
                if (onAMonitor || beyond)
                    wrong += DesktopPixel(square) != (beyond ? RGB(0x30, 0x30, 0x30)
                                                             : block[static_cast<std::size_t>(row * Layout::Cells + column)]);
            }
        EXPECT_EQ(wrong, 0) << "squares unlike the copy at " << hot.x << "," << hot.y;
    }
    ::SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
}



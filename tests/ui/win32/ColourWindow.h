#pragma once

#include "ui/win32/Win32Driver.h"

#include <windows.h>

// A plain window of one colour on the desktop, which counts the clicks it gets.
class ColourWindow
{
public:
    ColourWindow(int left, int top, COLORREF colour) : Colour(colour)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &ColourWindow::Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TintwellTestColour";
        ::RegisterClassA(&windowClass);
        // An application's window, which the window manager manages, as
        // users' windows are (wine leaves a bare popup to the X server, which
        // keeps it above every managed window); one that does not take the
        // focus, which the user's click on the main window has.
        Handle = ::CreateWindowExA(WS_EX_APPWINDOW | WS_EX_NOACTIVATE, "TintwellTestColour", "", WS_POPUP, left, top, Size, Size, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::ShowWindow(Handle, SW_SHOWNOACTIVATE);
        PumpFor(300);
    }
    ~ColourWindow() { ::DestroyWindow(Handle); }
    POINT Centre() const { return Corner(Size / 2, Size / 2); }
    // A point of the window, on the desktop.
    POINT Corner(int x, int y) const
    {
        RECT bounds{};
        ::GetWindowRect(Handle, &bounds);
        return POINT{bounds.left + x, bounds.top + y};
    }

    static constexpr int Size = 200;
    HWND Handle;
    COLORREF Colour;
    int Clicks = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<ColourWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_ERASEBKGND)
        {
            RECT area{};
            ::GetClientRect(window, &area);
            HBRUSH brush = ::CreateSolidBrush(self->Colour);
            ::FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
            ::DeleteObject(brush);
            return 1;
        }
        if (self != nullptr && message == WM_LBUTTONDOWN)
            ++self->Clicks;
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
};

#pragma once

#include <windows.h>

// A window of one of our own classes, tied to its C++ object: the class's
// window procedure hands every message to HandleMessage of the object that
// made the window. The object destroys its window when it goes.
class RWindow
{
public:
    RWindow() = default;
    virtual ~RWindow();
    RWindow(const RWindow&) = delete;
    RWindow& operator=(const RWindow&) = delete;

    HWND Handle() const { return TheHandle; }

protected:
    // Registers className once per run, with the button face as background.
    static void RegisterClassOnce(const char* className, HCURSOR cursor = nullptr, HICON icon = nullptr,
                                  HICON smallIcon = nullptr);
    // Makes the window; false when the system refuses.
    bool CreateHandle(const char* className, const char* text, DWORD style, DWORD extendedStyle, int left,
                      int top, int width, int height, HWND parent, int id = 0);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The system's handling, plus, for a window that paints itself (see
    // Paint), the background left alone and WM_PAINT passed to Paint.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the whole client area; a window whose class overrides it
    // asks for it with PaintsItself(), and nothing erases behind it first,
    // so it never flickers.
    virtual void Paint(HDC dc);
    void PaintsItself() { OwnPainting = true; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND TheHandle = nullptr;
    HFONT Font = nullptr;
    bool OwnPainting = false;
};

// The module that holds the program's resources.
HINSTANCE ProgramInstance();

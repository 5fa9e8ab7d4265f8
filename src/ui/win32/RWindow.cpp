#include "ui/win32/RWindow.h"

HINSTANCE ProgramInstance()
{
    return ::GetModuleHandleA(nullptr);
}

RWindow::~RWindow()
{
    if (TheHandle != nullptr)
    {
        // Messages sent while it goes find no object any more.
        ::SetWindowLongPtrA(TheHandle, GWLP_USERDATA, 0);
        ::DestroyWindow(TheHandle);
    }
}

void RWindow::RegisterClassOnce(const char* className, HCURSOR cursor, HICON icon, HICON smallIcon)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(ProgramInstance(), className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &RWindow::WindowProcedure;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = cursor != nullptr ? cursor : ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExA(&windowClass);
}

bool RWindow::CreateHandle(const char* className, const char* text, DWORD style, DWORD extendedStyle, int left,
                           int top, int width, int height, HWND parent, int id)
{
    // The handle is known from the first message on (WM_NCCREATE).
    ::CreateWindowExA(extendedStyle, className, text, style, left, top, width, height, parent,
                      (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr,
                      ProgramInstance(), this);
    return TheHandle != nullptr;
}

LRESULT RWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

void RWindow::Paint(HDC)
{
}

LRESULT RWindow::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Our classes keep the font they are given, as the system's controls do.
    if (message == WM_SETFONT)
    {
        Font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            ::InvalidateRect(TheHandle, nullptr, FALSE);
        return 0;
    }
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(Font);
    if (OwnPainting && message == WM_ERASEBKGND)
        return 1;
    if (OwnPainting && message == WM_PAINT)
    {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(TheHandle, &paint);
        Paint(dc);
        ::EndPaint(TheHandle, &paint);
        return 0;
    }
    return ::DefWindowProcA(TheHandle, message, wParam, lParam);
}

LRESULT CALLBACK RWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* object = static_cast<RWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        object->TheHandle = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    }
    auto* object = reinterpret_cast<RWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (object == nullptr)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        const LRESULT result = object->HandleMessage(message, wParam, lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        object->TheHandle = nullptr;
        return result;
    }
    return object->HandleMessage(message, wParam, lParam);
}

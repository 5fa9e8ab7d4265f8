// Another program's window that stays above everything, as a notification
// or another tool's overlay does: a square of one colour at a place, which
// writes a line to a file for every press and release it gets.
//   overlay_window.exe LEFT TOP SIZE RRGGBB FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace
{

const char* ClicksFile = "";
COLORREF Colour = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (FILE* file = std::fopen(ClicksFile, "a"))
        {
            std::fputs(message == WM_LBUTTONDOWN ? "press\n" : "release\n", file);
            std::fclose(file);
        }
        return 0;
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        HBRUSH brush = ::CreateSolidBrush(Colour);
        ::FillRect(dc, &paint.rcPaint, brush);
        ::DeleteObject(brush);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    const int left = std::atoi(argv[1]), top = std::atoi(argv[2]), size = std::atoi(argv[3]);
    const unsigned long rgb = std::strtoul(argv[4], nullptr, 16);
    Colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    ClicksFile = argv[5];
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TintwellTestOverlay";
    ::RegisterClassA(&windowClass);
    // A bare popup, which the window manager never sees, above every window.
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, "",
                                    WS_POPUP, left, top, size, size, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&message);
    return 0;
}

// Keeps wine's desktop up while the tests run. Wine closes the desktop (and
// its explorer) a while after the last program using it ends, and every
// later window program then waits many seconds for a new one; a hidden
// window of this program keeps one program using it until it is stopped.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TintwellDesktopHolder";
    ::RegisterClassA(&windowClass);
    // Never shown: it holds the desktop without covering any pixel.
    ::CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&message);
    return 0;
}

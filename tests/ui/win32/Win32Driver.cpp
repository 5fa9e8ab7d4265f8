#include "ui/win32/Win32Driver.h"

#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"

#include <oleacc.h>

#include <iterator>
#include <vector>

bool Pump()
{
    DeliverWaitingMessages();
    MSG quit;
    bool quitting = false;
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        quitting = true;
    return quitting;
}

void PumpFor(int milliseconds)
{
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    do
    {
        Pump();
        ::Sleep(10);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
    Pump();
}

std::string TextOf(HWND window)
{
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

void TypeInto(HWND edit, const std::string& text)
{
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    for (char c : text)
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump();
}

void PressKey(HWND window, UINT virtualKey)
{
    const UINT scan = ::MapVirtualKeyA(virtualKey, 0);
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    Pump();
    ::PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
    Pump();
}

void ClickAt(HWND window, int x, int y)
{
    const LPARAM at = MAKELPARAM(x, y);
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(window, WM_LBUTTONUP, 0, at);
    Pump();
}

void Click(HWND window)
{
    RECT area;
    ::GetClientRect(window, &area);
    ClickAt(window, area.right / 2, area.bottom / 2);
}

void ClickArrow(HWND upDown, int direction)
{
    RECT area;
    ::GetClientRect(upDown, &area);
    ClickAt(upDown, area.right / 2, direction > 0 ? area.bottom / 4 : area.bottom * 3 / 4);
}

void MovePointer(POINT to)
{
    ::SetCursorPos(to.x, to.y);
    PumpFor(300);
}

void RealClick(POINT at, bool right)
{
    MovePointer(at);
    INPUT button[2] = {};
    button[0].type = button[1].type = INPUT_MOUSE;
    button[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    button[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    ::SendInput(2, button, sizeof(INPUT));
    PumpFor(300);
}

void PressRealKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> input;
    for (WORD key : keys)
    {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        input.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(up);
    }
    ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    PumpFor(300);
}

COLORREF ScreenPixelOf(HWND window, int x, int y)
{
    POINT at{x, y};
    ::ClientToScreen(window, &at);
    HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    return pixel;
}

MessageFontAt::MessageFontAt(int pixels)
{
    Saved.cbSize = sizeof Saved;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Saved, &Saved, 0);
    NONCLIENTMETRICSW changed = Saved;
    // The settings speak in the system's density.
    changed.lfMessageFont.lfHeight = -::MulDiv(pixels, SystemDpi(), 96);
    Change(changed);
}

MessageFontAt::~MessageFontAt()
{
    Change(Saved);
}

void MessageFontAt::Change(NONCLIENTMETRICSW& metrics)
{
    ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // Told as the system tells every window (wine changes it silently).
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, SMTO_ABORTIFHUNG, 2000,
                          nullptr);
}

namespace
{

std::string Utf8(BSTR text)
{
    if (text == nullptr)
        return {};
    char utf8[1024] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    ::SysFreeString(text);
    return utf8;
}

template <typename Read>
std::string ReadAccessible(HWND window, long child, Read read)
{
    IAccessible* accessible = nullptr;
    if (::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                     reinterpret_cast<void**>(&accessible)) != S_OK)
        return "(no accessible object)";
    VARIANT which{};
    which.vt = VT_I4;
    which.lVal = child;
    BSTR text = nullptr;
    read(accessible, which, &text);
    accessible->Release();
    return Utf8(text);
}

} // namespace

std::string AccessibleNameOf(HWND window, long child)
{
    return ReadAccessible(window, child, [](IAccessible* object, VARIANT which, BSTR* text)
                          { object->get_accName(which, text); });
}

std::string AccessibleDescriptionOf(HWND window)
{
    return ReadAccessible(window, CHILDID_SELF, [](IAccessible* object, VARIANT which, BSTR* text)
                          { object->get_accDescription(which, text); });
}

std::string BuildMachinePath(std::string path)
{
    if (!path.empty() && path.front() == '/')
    {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

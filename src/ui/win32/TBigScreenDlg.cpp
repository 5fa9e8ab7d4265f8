#include "ui/win32/TBigScreenDlg.h"

#include "ui/win32/CursorTable.h"
#include "ui/win32/RScreenBitmap.h"
#include "ui/win32/TTWMainForm.h"

#include <windowsx.h>

namespace
{
constexpr const char* BigScreenClass = "TBigScreenDlg";
}

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner) : OwnerForm(owner)
{
    PaintsItself();
    RegisterClassOnce(BigScreenClass);
    // No owner window: an owned window would stay above the main window,
    // which must stay above the copy. No task-bar button of its own.
    CreateHandle(BigScreenClass, "BigScreenDlg", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                 ::GetSystemMetrics(SM_CYSCREEN), nullptr);
    InstallCursor(crDropper, LoadDropperCursor());
}

void TBigScreenDlg::ShowScreenImage(const RScreenBitmap* image)
{
    ScreenImage = image;
    // Shown active, so that the keys reach it.
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    ::SetCursor(CursorFor(crDropper));
}

LRESULT TBigScreenDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SETCURSOR:
        ::SetCursor(CursorFor(crDropper));
        return TRUE;
    case WM_MOUSEMOVE:
        FormMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        FormClick();
        return 0;
    case WM_CHAR:
        FormKeyPress(wParam);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            FormHide();
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void TBigScreenDlg::Paint(HDC dc)
{
    if (ScreenImage != nullptr && ScreenImage->Bitmap != nullptr)
    {
        HDC source = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(source, ScreenImage->Bitmap);
        ::BitBlt(dc, 0, 0, ScreenImage->Width, ScreenImage->Height, source, 0, 0, SRCCOPY);
        ::SelectObject(source, old);
        ::DeleteDC(source);
    }
}

ColorValue TBigScreenDlg::OwnPixel(int x, int y) const
{
    HDC dc = ::GetDC(Handle());
    const ColorValue pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(Handle(), dc);
    return pixel;
}

void TBigScreenDlg::FormMouseMove(int x, int y)
{
    OwnerForm.ApplyColor(OwnPixel(x, y));
}

void TBigScreenDlg::FormClick()
{
    // The window lies at the screen's origin, so the pointer's screen
    // position is also its own.
    POINT at{};
    ::GetCursorPos(&at);
    ::ScreenToClient(Handle(), &at);
    OwnerForm.ApplyColor(OwnPixel(at.x, at.y));
    ::ShowWindow(Handle(), SW_HIDE);
}

void TBigScreenDlg::FormKeyPress(WPARAM& key)
{
    // Every key that types a character, Escape and Enter included, is
    // swallowed and takes the pixel as a click does.
    key = 0;
    FormClick();
}

void TBigScreenDlg::FormHide()
{
    OwnerForm.EndMouseSelect();
}

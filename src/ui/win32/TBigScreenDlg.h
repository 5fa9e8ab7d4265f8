#pragma once

#include "colour/ColorValue.h"
#include "ui/win32/RWindow.h"

class RScreenBitmap;
class TTWMainForm;

// The full-screen window that shows a frozen copy of the screen under the
// eyedropper while the user picks a pixel. Every movement makes the pixel
// under the pointer the main window's colour; a left click, or any key that
// types a character, takes the pixel one last time and hides the window.
// The main window, always on top, stays above it.
class TBigScreenDlg : public RWindow
{
public:
    explicit TBigScreenDlg(TTWMainForm& owner);
    // Shows image (not owned; it must outlive the showing) over the screen.
    void ShowScreenImage(const RScreenBitmap* image);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // FormPaint: the copy at the window's origin.
    void Paint(HDC dc) override;
    void FormMouseMove(int x, int y);
    void FormClick();
    void FormKeyPress(WPARAM& key);
    void FormHide();
    // The window's own pixel, as it shows on the screen; all bits set when it cannot be read.
    ColorValue OwnPixel(int x, int y) const;

    TTWMainForm& OwnerForm;
    const RScreenBitmap* ScreenImage = nullptr;
};

#pragma once

#include "ui/win32/RWindow.h"

// A push button drawn by the window itself, with a glyph before its caption.
// It never takes the focus; a release over it, after a press on it, sends
// its parent WM_COMMAND with BN_CLICKED, as a button does.
class RSpeedButton : public RWindow
{
public:
    // glyph: a bitmap whose magenta pixels (GlyphTransparent) are not drawn;
    // owned by the caller.
    RSpeedButton(HWND parent, int id, const char* caption, HBITMAP glyph, int left, int top, int width,
                 int height);

    static constexpr COLORREF GlyphTransparent = RGB(255, 0, 255);
    // Another glyph (owned by the caller), as at another density.
    void SetGlyph(HBITMAP glyph);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) override;
    bool PointerInside(LPARAM lParam) const;
    HBITMAP Glyph;
    bool Pressed = false;
};

#include "ui/win32/Resources.h"

#include "ui/LayoutScale.h"
#include "ui/win32/RWindow.h"

#include <map>

HICON TintwellIcon(int size)
{
    return static_cast<HICON>(::LoadImageA(ProgramInstance(), MainIconName, IMAGE_ICON, size, size, LR_SHARED));
}

HBITMAP LoadPicture(const char* name)
{
    return static_cast<HBITMAP>(::LoadImageA(ProgramInstance(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

namespace
{

HFONT MakeDialogFont(int height)
{
    return ::CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

// How wide font sets a line of every letter, in device pixels.
int SampleWidth(HDC dc, HFONT font)
{
    static const char sample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, sample, static_cast<int>(sizeof sample) - 1, &size);
    ::SelectObject(dc, old);
    return size.cx;
}

} // namespace

HFONT DialogFont(int dpi)
{
    // A few densities in a run at most: one per monitor.
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[dpi];
    if (font != nullptr)
        return font;
    font = MakeDialogFont(ToDevicePixels(11, LayoutDpi));
    if (dpi == LayoutDpi)
        return font;
    // The classic font comes in a few pixel sizes only, and what stands in
    // for the others may be wider: the largest size up to the scaled one
    // whose texts are no wider than the layout's, scaled, keeps every text
    // whole in its control (a label wraps a text a pixel too wide). Letters
    // do not all widen alike, hence two in a hundred to spare.
    HDC screen = ::GetDC(nullptr);
    const int allowed = ToDevicePixels(SampleWidth(screen, font), dpi) * 49 / 50;
    ::DeleteObject(font);
    for (int height = ToDevicePixels(11, dpi);; --height)
    {
        font = MakeDialogFont(height);
        if (height <= 11 || SampleWidth(screen, font) <= allowed)
            break;
        ::DeleteObject(font);
    }
    ::ReleaseDC(nullptr, screen);
    return font;
}

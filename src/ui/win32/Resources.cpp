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

HFONT DialogFont(int dpi)
{
    // A few densities in a run at most: one per monitor.
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[dpi];
    if (font == nullptr)
        font = ::CreateFontA(-ToDevicePixels(11, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             "MS Sans Serif");
    return font;
}

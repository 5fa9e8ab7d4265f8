#include "ui/win32/RSwatchImage.h"

#include <windowsx.h>

namespace
{

constexpr const char* SwatchClass = "TintwellSwatchImage";

// 0x00BBGGRR to the 0x00RRGGBB of a 32-bit bitmap's pixel.
std::uint32_t ToDibPixel(ColorValue color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

} // namespace

RSwatchImage::RSwatchImage(Kind kind, HWND parent, int left, int top, int width, int height) : Which(kind)
{
    PaintsItself();
    RegisterClassOnce(SwatchClass);
    CreateHandle(SwatchClass, "", WS_CHILD | WS_VISIBLE, 0, left, top, width, height, parent);
}

void RSwatchImage::Show(const RSwatchPicture& picture)
{
    const RSwatchLayout& size = picture.Layout;
    const bool plane = Which == Kind::Plane;
    if (Which != Kind::Arrow && !(plane && picture.Plane.data() == ShownPlane))
    {
        PixelWidth = plane ? size.PlaneWidth : size.BarWidth;
        PixelHeight = plane ? size.PlaneHeight : size.BarHeight;
        Pixels.resize(static_cast<std::size_t>(PixelWidth) * static_cast<std::size_t>(PixelHeight));
        for (int y = 0; y < PixelHeight; ++y)
            for (int x = 0; x < PixelWidth; ++x)
                Pixels[static_cast<std::size_t>(y * PixelWidth + x)] =
                    ToDibPixel(plane ? picture.PlanePixel(x, y) : picture.BarPixel(x, y));
        if (plane)
            ShownPlane = picture.Plane.data();
    }
    MarkerX = picture.MarkerX;
    MarkerY = Which == Kind::Arrow ? picture.ArrowY : picture.MarkerY;
    BarWidth = size.BarWidth;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT RSwatchImage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
        // The release reaches this image wherever it happens.
        ::SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (::GetCapture() == Handle())
            ::ReleaseCapture();
        if (MouseUp)
            MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void RSwatchImage::Paint(HDC dc)
{
    if (Which == Kind::Arrow)
    {
        // Wipes the old arrow, then points at the bar; the wide end lies at
        // the bar's width, beyond this image's right edge, and is cut off.
        RECT area;
        ::GetClientRect(Handle(), &area);
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
        HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(BLACK_BRUSH));
        const POINT corners[] = {{0, MarkerY}, {BarWidth, MarkerY - 5}, {BarWidth, MarkerY + 5}};
        ::Polygon(dc, corners, 3);
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        return;
    }
    if (Pixels.empty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = PixelWidth;
    info.bmiHeader.biHeight = -PixelHeight; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(PixelWidth), static_cast<DWORD>(PixelHeight), 0, 0, 0,
                        static_cast<UINT>(PixelHeight), Pixels.data(), &info, DIB_RGB_COLORS);
    if (Which != Kind::Plane)
        return;
    // The box's right and bottom edges are excluded, as the ellipse needs.
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    ::Ellipse(dc, MarkerX - 5, MarkerY - 5, MarkerX + 5, MarkerY + 5);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
}

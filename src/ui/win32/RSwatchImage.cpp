#include "ui/win32/RSwatchImage.h"

#include "ui/LayoutScale.h"
#include "ui/PixelBlocks.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/PixelArt.h"

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
        ++Revision;
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
        {
            // The picture's own pixel under the pointer, at any density.
            const int dpi = LayoutDpiOf(Handle());
            MouseUp(ToLayoutPixel(GET_X_LPARAM(lParam), dpi), ToLayoutPixel(GET_Y_LPARAM(lParam), dpi));
        }
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void RSwatchImage::Paint(HDC dc)
{
    const int dpi = LayoutDpiOf(Handle());
    const auto px = [dpi](int layout) { return ToDevicePixels(layout, dpi); };
    HPEN pen = ::CreatePen(PS_SOLID, px(1), RGB(0, 0, 0));
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    if (Which == Kind::Arrow)
    {
        // Wipes the old arrow, then points at the bar; the wide end lies at
        // the bar's width, beyond this image's right edge, and is cut off.
        RECT area;
        ::GetClientRect(Handle(), &area);
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
        // Black, or as much lighter as a dark button face needs.
        const ColorValue arrow = LuminanceArrowColor(::GetSysColor(COLOR_BTNFACE));
        HPEN arrowPen = ::CreatePen(PS_SOLID, px(1), arrow);
        HBRUSH arrowBrush = ::CreateSolidBrush(arrow);
        ::SelectObject(dc, arrowPen);
        HGDIOBJ oldBrush = ::SelectObject(dc, arrowBrush);
        const POINT corners[] = {{0, px(MarkerY)}, {px(BarWidth), px(MarkerY - 5)}, {px(BarWidth), px(MarkerY + 5)}};
        ::Polygon(dc, corners, 3);
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, pen);
        ::DeleteObject(arrowBrush);
        ::DeleteObject(arrowPen);
    }
    else if (!Pixels.empty())
    {
        const std::vector<std::uint32_t>& shown = DevicePixels(px(PixelWidth), px(PixelHeight));
        PutPixels(dc, 0, 0, px(PixelWidth), px(PixelHeight), shown.data());
        if (Which == Kind::Plane)
        {
            // The box's right and bottom edges are excluded, as the ellipse needs.
            HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
            ::Ellipse(dc, px(MarkerX - 5), px(MarkerY - 5), px(MarkerX + 5), px(MarkerY + 5));
            ::SelectObject(dc, oldBrush);
        }
    }
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
}

const std::vector<std::uint32_t>& RSwatchImage::DevicePixels(int width, int height)
{
    if (width == PixelWidth && height == PixelHeight)
        return Pixels;
    // Scaled once per picture and density: the plane, the largest, only
    // changes with the density.
    if (Scaled.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) || ScaledFrom != Revision)
    {
        Scaled.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        ScaleInBlocks(Pixels.data(), PixelWidth, PixelHeight, Scaled.data(), width, height);
        ScaledFrom = Revision;
    }
    return Scaled;
}

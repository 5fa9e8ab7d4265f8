#include "ui/win32/PixelArt.h"

#include "ui/PixelBlocks.h"

#include <cstdint>
#include <vector>

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void PutPixels(HDC dc, int left, int top, int width, int height, const std::uint32_t* pixels)
{
    const BITMAPINFO info = TopDown32(width, height);
    ::SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
}

namespace
{

// bitmap's pixels as 32-bit values, scaled in blocks to width x height;
// empty when the bitmap cannot be read.
std::vector<std::uint32_t> PixelsInBlocks(HBITMAP bitmap, int width, int height)
{
    BITMAP shape{};
    if (bitmap == nullptr || ::GetObjectA(bitmap, sizeof shape, &shape) == 0 || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0 || width <= 0 || height <= 0)
        return {};
    std::vector<std::uint32_t> source(static_cast<std::size_t>(shape.bmWidth) * static_cast<std::size_t>(shape.bmHeight));
    BITMAPINFO info = TopDown32(shape.bmWidth, shape.bmHeight);
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), source.data(), &info,
                                 DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != shape.bmHeight)
        return {};
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    ScaleInBlocks(source.data(), shape.bmWidth, shape.bmHeight, scaled.data(), width, height);
    return scaled;
}

// A bitmap of bitCount bits per pixel holding pixels (32-bit, top-down).
HBITMAP MakeBitmap(const std::vector<std::uint32_t>& pixels, int width, int height, int bitCount)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP made = nullptr;
    if (bitCount == 1)
        made = ::CreateBitmap(width, height, 1, 1, nullptr);
    else
    {
        BITMAPINFO format = TopDown32(width, height);
        format.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
        void* bits = nullptr;
        made = ::CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    const BITMAPINFO info = TopDown32(width, height);
    if (made != nullptr &&
        ::SetDIBits(screen, made, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
    {
        ::DeleteObject(made);
        made = nullptr;
    }
    ::ReleaseDC(nullptr, screen);
    return made;
}

} // namespace

HBITMAP BitmapInBlocks(HBITMAP bitmap, int width, int height)
{
    const std::vector<std::uint32_t> pixels = PixelsInBlocks(bitmap, width, height);
    return pixels.empty() ? nullptr : MakeBitmap(pixels, width, height, 24);
}

HICON IconInBlocks(HICON icon, int size)
{
    ICONINFO parts{};
    if (icon == nullptr || !::GetIconInfo(icon, &parts))
        return nullptr;
    HICON made = nullptr;
    const std::vector<std::uint32_t> colour = PixelsInBlocks(parts.hbmColor, size, size);
    const std::vector<std::uint32_t> mask = PixelsInBlocks(parts.hbmMask, size, size);
    if (!colour.empty() && !mask.empty())
    {
        // The colour keeps its alpha in 32 bits; the mask is one bit deep.
        ICONINFO scaled{};
        scaled.fIcon = TRUE;
        scaled.hbmColor = MakeBitmap(colour, size, size, 32);
        scaled.hbmMask = MakeBitmap(mask, size, size, 1);
        if (scaled.hbmColor != nullptr && scaled.hbmMask != nullptr)
            made = ::CreateIconIndirect(&scaled);
        for (HBITMAP bitmap : {scaled.hbmColor, scaled.hbmMask})
            if (bitmap != nullptr)
                ::DeleteObject(bitmap);
    }
    for (HBITMAP bitmap : {parts.hbmColor, parts.hbmMask})
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
    return made;
}

#pragma once

#include <windows.h>

// An off-screen image in the screen's pixel format, owned.
class RScreenBitmap
{
public:
    RScreenBitmap(HDC like, int width, int height)
        : Bitmap(::CreateCompatibleBitmap(like, width, height)), Width(width), Height(height)
    {
    }
    ~RScreenBitmap()
    {
        if (Bitmap != nullptr)
            ::DeleteObject(Bitmap);
    }
    RScreenBitmap(const RScreenBitmap&) = delete;
    RScreenBitmap& operator=(const RScreenBitmap&) = delete;

    HBITMAP Bitmap;
    int Width;
    int Height;
};

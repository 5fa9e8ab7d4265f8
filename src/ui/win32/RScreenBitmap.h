#pragma once

#include <windows.h>

// An off-screen image in the screen's pixel format, owned: a copy of the
// area of the desktop whose top-left corner is (Left, Top), which lies left
// of or above the primary monitor's origin where another monitor does.
class RScreenBitmap
{
public:
    RScreenBitmap(HDC like, int left, int top, int width, int height)
        : Bitmap(::CreateCompatibleBitmap(like, width, height)), Left(left), Top(top), Width(width), Height(height)
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
    int Left;
    int Top;
    int Width;
    int Height;
};

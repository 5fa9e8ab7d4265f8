#pragma once

#include <windows.h>

#include <cstdint>

// The program's pictures at a monitor's density: each picture pixel becomes
// a block of device pixels, never a blend, so they stay crisp at 125 %,
// 150 % and 200 %. The caller owns what these return.

// bitmap as a 24-bit bitmap of width x height; nullptr when it cannot be read.
HBITMAP BitmapInBlocks(HBITMAP bitmap, int width, int height);
// icon as an icon of size x size, its transparency kept; nullptr likewise.
HICON IconInBlocks(HICON icon, int size);

// The format of 32-bit pixels (0x00RRGGBB), rows from the top, width x height.
BITMAPINFO TopDown32(int width, int height);
// Puts width x height such pixels into dc at (left, top), one to one.
void PutPixels(HDC dc, int left, int top, int width, int height, const std::uint32_t* pixels);

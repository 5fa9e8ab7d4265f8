#pragma once

#include <windows.h>

// The program's pictures at a monitor's density: each picture pixel becomes
// a block of device pixels, never a blend, so they stay crisp at 125 %,
// 150 % and 200 %. The caller owns what these return.

// bitmap as a 24-bit bitmap of width x height; nullptr when it cannot be read.
HBITMAP BitmapInBlocks(HBITMAP bitmap, int width, int height);
// icon as an icon of size x size, its transparency kept; nullptr likewise.
HICON IconInBlocks(HICON icon, int size);

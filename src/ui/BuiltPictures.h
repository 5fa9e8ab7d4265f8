#pragma once

#include <cstdint>

// The program's pictures, decoded from their XPM sources when the program
// was built (the library tintwell_pictures), so that no start parses them.
enum class RBuiltPicture
{
    Icon16,
    Icon,
    Logo,
    ColorDialog,
    Dropper,
    DropperCursor,
    Count
};

// Rows from the top; each pixel 0xAARRGGBB, alpha 0 where the XPM has no
// colour ("None").
struct RPicturePixels
{
    int Width;
    int Height;
    const std::uint32_t* Pixels;
};

const RPicturePixels& BuiltPicture(RBuiltPicture picture);

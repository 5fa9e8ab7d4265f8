#include "ui/LoupePicture.h"

#include "colour/ColorNotation.h"
#include "colour/Contrast.h"

namespace
{

constexpr int Cells = RLoupeLayout::Cells;
constexpr int CellSize = RLoupeLayout::CellSize;
constexpr int Border = RLoupeLayout::Border;
constexpr int Side = RLoupeLayout::Grid + 2 * Border;

std::uint32_t Pixel(ColorValue color)
{
    return 0xFF000000U | static_cast<std::uint32_t>(RedOfValue(color)) << 16 |
           static_cast<std::uint32_t>(GreenOfValue(color)) << 8 | BlueOfValue(color);
}

void Fill(std::vector<std::uint32_t>& pixels, int left, int top, int width, int height, ColorValue color)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            pixels[static_cast<std::size_t>(y * Side + x)] = Pixel(color);
}

} // namespace

RLoupeRect LoupeSource(int x, int y)
{
    return {x - Cells / 2, y - Cells / 2, Cells, Cells};
}

RLoupePicture LoupePictureOf(std::span<const ColorValue> block, int hexFormat)
{
    RLoupePicture picture;
    picture.CellColors.assign(static_cast<std::size_t>(Cells * Cells), BeyondTheDesktop);
    for (std::size_t i = 0; i < picture.CellColors.size() && i < block.size(); ++i)
        if (block[i] != NoPixel)
            picture.CellColors[i] = block[i] & 0xFFFFFF;
    const std::size_t middle = static_cast<std::size_t>(Cells / 2 * Cells + Cells / 2);
    if (middle >= block.size() || block[middle] == NoPixel)
        return picture;
    const ColorValue taken = picture.CellColors[middle];
    picture.FrameColor = BlackOrWhiteOn(taken);
    picture.Literal = LiteralOf(taken, hexFormat);
    return picture;
}

std::vector<std::uint32_t> LoupePixels(const RLoupePicture& picture, double ratio)
{
    const int height = Side + RLoupeLayout::TextHeight(ratio);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Side * height), Pixel(0));
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
        {
            const std::size_t cell = static_cast<std::size_t>(row * Cells + column);
            if (cell < picture.CellColors.size())
                Fill(pixels, Border + column * CellSize, Border + row * CellSize, CellSize, CellSize,
                     picture.CellColors[cell]);
        }
    // The frame: the outermost ring of the hot spot's own square, so the
    // pixel itself still shows inside it.
    const int square = Border + Cells / 2 * CellSize;
    Fill(pixels, square, square, CellSize, 1, picture.FrameColor);
    Fill(pixels, square, square + CellSize - 1, CellSize, 1, picture.FrameColor);
    Fill(pixels, square, square, 1, CellSize, picture.FrameColor);
    Fill(pixels, square + CellSize - 1, square, 1, CellSize, picture.FrameColor);
    return pixels;
}

RLoupeRect LoupeTextLine(double ratio)
{
    return {Border, Border + RLoupeLayout::Grid, RLoupeLayout::Grid, RLoupeLayout::TextHeight(ratio)};
}

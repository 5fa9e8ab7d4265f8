#pragma once

#include "colour/ColorValue.h"
#include "ui/LoupePlacement.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the magnifier beside the eyedropper shows, decided once for every
// window layer: the copy's pixels around the hot spot, each a square of
// RLoupeLayout::CellSize device pixels inside a black border, the one under
// the hot spot framed, and that pixel's literal on a line beneath. Each
// layer only puts the pixels on the screen and writes the literal.

// The value of a pixel beyond the copy, as the copies give it: all bits set.
inline constexpr ColorValue NoPixel = 0xFFFFFFFF;
// Where the desktop ends: a grey over the black border, neither black nor
// white nor any likely pixel, so the edge shows as an edge.
inline constexpr ColorValue BeyondTheDesktop = ColorValueOf(0x30, 0x30, 0x30);

struct RLoupePicture
{
    static constexpr int Cells = RLoupeLayout::Cells;
    // Each square's colour, row by row from the top left.
    std::vector<ColorValue> CellColors;
    // The frame on the hot spot's square: whichever of black and white
    // stands out from its pixel; black beyond the desktop.
    ColorValue FrameColor = 0;
    // The hot spot's literal in the window's notation; empty beyond the desktop.
    std::string Literal;
};

// The square of the copy the loupe shows for hot spot (x, y): Cells x
// Cells pixels of the desktop around it.
RLoupeRect LoupeSource(int x, int y);

// The picture for block (the copy's pixels in LoupeSource, row by row,
// NoPixel where the copy ends), the literal in notation hexFormat.
RLoupePicture LoupePictureOf(std::span<const ColorValue> block, int hexFormat);

// The picture's pixels as the loupe shows them on a monitor drawn at
// ratio: RLoupeLayout's width x height (the text line included, black),
// row by row, each 0xFFRRGGBB.
std::vector<std::uint32_t> LoupePixels(const RLoupePicture& picture, double ratio);
// Where the literal's line lies in those pixels.
RLoupeRect LoupeTextLine(double ratio);

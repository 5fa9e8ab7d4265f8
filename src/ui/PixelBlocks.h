#pragma once

#include <cstdint>

// Pixel art scaled crisp: each target pixel takes the source pixel under its
// centre, never a blend of neighbours. At whole ratios the blocks are equal;
// at fractional ones (1.5) they are one or two pixels wide, so the picture
// keeps its laid-out size without blurring. Rows are contiguous, top-down,
// one 32-bit value per pixel in any channel order.
void ScaleInBlocks(const std::uint32_t* from, int fromWidth, int fromHeight, std::uint32_t* to, int toWidth,
                   int toHeight);

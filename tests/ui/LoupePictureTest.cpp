// The loupe's picture for a block of the copy: every square its pixel, the
// grey where the desktop ends, the frame on the hot spot and its literal.
#include "ui/LoupePicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

constexpr int Cells = RLoupeLayout::Cells;
constexpr int Middle = Cells / 2;

// A block whose pixel at (x, y) is a colour of its own, NoPixel where
// beyond(x, y) says the desktop ends.
template <typename Beyond>
std::vector<ColorValue> Block(Beyond beyond)
{
    std::vector<ColorValue> block;
    for (int y = 0; y < Cells; ++y)
        for (int x = 0; x < Cells; ++x)
            block.push_back(beyond(x, y) ? NoPixel
                                         : ColorValueOf(static_cast<std::uint8_t>(x * 17),
                                                        static_cast<std::uint8_t>(y * 17), 0x80));
    return block;
}

std::uint32_t Shown(ColorValue color)
{
    return 0xFF000000U | static_cast<std::uint32_t>(RedOfValue(color)) << 16 |
           static_cast<std::uint32_t>(GreenOfValue(color)) << 8 | BlueOfValue(color);
}

} // namespace

TEST(LoupePicture, TheSourceIsTheSquareAroundTheHotSpot)
{
    const RLoupeRect source = LoupeSource(-3, 100);
    EXPECT_EQ(source.Left, -3 - Middle);
    EXPECT_EQ(source.Top, 100 - Middle);
    EXPECT_EQ(source.Width, Cells);
    EXPECT_EQ(source.Height, Cells);
}

// The hot spot at the desktop's edges and corners: the part beyond is grey,
// the rest the copy's pixels; beyond the hot spot itself nothing is framed
// in a colour and no literal is printed.
TEST(LoupePicture, CellsAtTheDesktopsEdgesAndCorners)
{
    const struct
    {
        const char* Where;
        bool (*Beyond)(int x, int y);
        bool HotSpotBeyond;
    } cases[] = {
        {"inside", [](int, int) { return false; }, false},
        {"left edge", [](int x, int) { return x < Middle; }, false},
        {"right edge", [](int x, int) { return x > Middle; }, false},
        {"top left corner", [](int x, int y) { return x < Middle || y < Middle; }, false},
        {"bottom right corner", [](int x, int y) { return x > Middle || y > Middle; }, false},
        {"beyond", [](int x, int) { return x >= Middle; }, true},
    };
    for (const auto& test : cases)
    {
        const std::vector<ColorValue> block = Block(test.Beyond);
        const RLoupePicture picture = LoupePictureOf(block, 0);
        ASSERT_EQ(picture.CellColors.size(), static_cast<std::size_t>(Cells * Cells));
        for (std::size_t i = 0; i < block.size(); ++i)
            EXPECT_EQ(picture.CellColors[i], block[i] == NoPixel ? BeyondTheDesktop : block[i])
                << test.Where << " cell " << i;
        EXPECT_EQ(picture.Literal.empty(), test.HotSpotBeyond) << test.Where;
        if (test.HotSpotBeyond)
        {
            EXPECT_EQ(picture.FrameColor, 0u) << test.Where;
        }
    }
}

TEST(LoupePicture, TheHotSpotIsFramedToStandOutAndNamedInTheNotation)
{
    std::vector<ColorValue> block(Cells * Cells, 0);
    block[Middle * Cells + Middle] = ColorValueOf(255, 255, 0);
    RLoupePicture picture = LoupePictureOf(block, 3);
    EXPECT_EQ(picture.FrameColor, 0u); // black on yellow
    EXPECT_EQ(picture.Literal, "&H0000FFFF&");
    block[Middle * Cells + Middle] = ColorValueOf(0, 0, 128);
    picture = LoupePictureOf(block, 0);
    EXPECT_EQ(picture.FrameColor, 0xFFFFFFu); // white on navy
    EXPECT_EQ(picture.Literal, "#000080");
}

// The pixels as a window layer puts them: a black border, each square of
// CellSize its colour, the frame the hot spot's outermost ring, the text
// line black below the grid.
TEST(LoupePicture, PixelsPutEachSquareWhereItBelongs)
{
    for (const double ratio : {1.0, 1.5, 2.0})
    {
        const std::vector<ColorValue> block = Block([](int, int) { return false; });
        const RLoupePicture picture = LoupePictureOf(block, 0);
        const std::vector<std::uint32_t> pixels = LoupePixels(picture, ratio);
        const int side = RLoupeLayout::Grid + 2 * RLoupeLayout::Border;
        const RLoupeRect area = RLoupeLayout::Place(500, 500, {0, 0, 2000, 2000}, ratio);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(area.Width * area.Height)) << ratio;
        ASSERT_EQ(area.Width, side);
        const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * side + x)]; };
        EXPECT_EQ(at(0, 0), Shown(0));
        EXPECT_EQ(at(side - 1, side / 2), Shown(0));
        for (int row = 0; row < Cells; ++row)
            for (int column = 0; column < Cells; ++column)
            {
                const int x = RLoupeLayout::Border + column * RLoupeLayout::CellSize;
                const int y = RLoupeLayout::Border + row * RLoupeLayout::CellSize;
                const ColorValue expected = block[static_cast<std::size_t>(row * Cells + column)];
                EXPECT_EQ(at(x + 1, y + 1), Shown(expected)) << column << "," << row;
                EXPECT_EQ(at(x + RLoupeLayout::CellSize - 2, y + RLoupeLayout::CellSize - 2), Shown(expected));
                const bool hot = row == Middle && column == Middle;
                EXPECT_EQ(at(x, y), Shown(hot ? picture.FrameColor : expected)) << column << "," << row;
            }
        const RLoupeRect line = LoupeTextLine(ratio);
        EXPECT_EQ(line.Top + line.Height, area.Height - RLoupeLayout::Border);
        EXPECT_EQ(at(side / 2, area.Height - 1), Shown(0));
    }
}

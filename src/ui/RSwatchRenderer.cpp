#include "ui/RSwatchRenderer.h"

#include "colour/Contrast.h"

namespace
{

constexpr int ScaleMax = 239;

// The scale value of row y of an image of the given height: the top row is
// nearly 239, the bottom row a few steps above 0.
int RowValue(int y, int height)
{
    return (height - y) * ScaleMax / height;
}

// trunc(size - value x size / 239), the factor applied as a multiplier: a
// marker's distance from the top edge.
int FromTop(int value, int size)
{
    return static_cast<int>(size - static_cast<double>(value) * size * (1.0 / ScaleMax));
}

} // namespace

RSwatchRenderer::RSwatchRenderer(RSwatchLayout layout, const RPrecomputedPlane* plane)
{
    Picture.Layout = layout;
    Picture.Bar.resize(static_cast<std::size_t>(layout.BarWidth * layout.BarHeight));
    if (plane != nullptr && plane->Pixels != nullptr && plane->Layout.PlaneWidth == layout.PlaneWidth &&
        plane->Layout.PlaneHeight == layout.PlaneHeight)
    {
        Picture.Plane.assign(plane->Pixels, plane->Pixels + layout.PlaneWidth * layout.PlaneHeight);
        AfterPlane = RColor(plane->After);
        return;
    }
    Picture.Plane.resize(static_cast<std::size_t>(layout.PlaneWidth * layout.PlaneHeight));
    DrawPlane();
}

void RSwatchRenderer::DrawPlane()
{
    const RSwatchLayout& size = Picture.Layout;
    RColor p(0);
    for (int x = 0; x < size.PlaneWidth; ++x)
    {
        const int hue = x * ScaleMax / size.PlaneWidth;
        for (int y = 0; y < size.PlaneHeight; ++y)
        {
            p.SetHSL(hue, RowValue(y, size.PlaneHeight), PlaneLuminance);
            Picture.Plane[static_cast<std::size_t>(y * size.PlaneWidth + x)] = p.GetColor();
        }
    }
    AfterPlane = p;
}

void RSwatchRenderer::DrawBar(int hue, int saturation)
{
    const RSwatchLayout& size = Picture.Layout;
    RColor p = AfterPlane;
    ColorValue previousStart = 0;
    for (int x = 0; x < size.BarWidth; ++x)
    {
        // SetHSL depends only on the colour it starts from and its arguments,
        // and every column asks for the same values: a column that starts
        // where the one before started repeats it pixel for pixel.
        const ColorValue start = p.GetColor();
        if (x > 0 && start == previousStart)
        {
            for (int y = 0; y < size.BarHeight; ++y)
            {
                const auto row = static_cast<std::size_t>(y * size.BarWidth);
                Picture.Bar[row + static_cast<std::size_t>(x)] =
                    Picture.Bar[row + static_cast<std::size_t>(x - 1)];
            }
            continue;
        }
        previousStart = start;
        for (int y = 0; y < size.BarHeight; ++y)
        {
            p.SetHSL(hue, saturation, RowValue(y, size.BarHeight));
            Picture.Bar[static_cast<std::size_t>(y * size.BarWidth + x)] = p.GetColor();
        }
    }
}

const RSwatchPicture& RSwatchRenderer::Render(const RColor& current)
{
    const RSwatchLayout& size = Picture.Layout;
    const int hue = current.GetHue();
    const int saturation = current.GetSat();
    Picture.MarkerX =
        static_cast<int>(static_cast<double>(hue) * size.PlaneWidth * (1.0 / ScaleMax));
    Picture.MarkerY = FromTop(saturation, size.PlaneHeight);
    DrawBar(hue, saturation);
    Picture.ArrowY = FromTop(current.GetLum(), size.BarHeight);
    return Picture;
}

int PlaneClickHue(int x, const RSwatchLayout& layout)
{
    return x * ScaleMax / layout.PlaneWidth;
}

int PlaneClickSaturation(int y, const RSwatchLayout& layout)
{
    return RowValue(y, layout.PlaneHeight);
}

int BarClickLuminance(int y, const RSwatchLayout& layout)
{
    return RowValue(y, layout.BarHeight);
}

ColorValue LuminanceArrowColor(ColorValue background)
{
    return ReadableOn(0, background, 3.0);
}

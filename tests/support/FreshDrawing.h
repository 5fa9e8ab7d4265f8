#pragma once

// The plane and bar drawn as written, with nothing reused: a fresh black
// scratch colour, the plane column by column at luminance 127, then the bar
// continuing from it, every pixel through SetHSL. The reference that the
// renderer must equal, and the raw cost that the benchmark measures.
#include "colour/RColor.h"
#include "ui/RSwatchRenderer.h"

#include <vector>

struct FreshDrawing
{
    std::vector<ColorValue> Plane, Bar;

    explicit FreshDrawing(RSwatchLayout size = {})
        : Plane(static_cast<std::size_t>(size.PlaneWidth * size.PlaneHeight)),
          Bar(static_cast<std::size_t>(size.BarWidth * size.BarHeight)), Size(size)
    {
    }
    explicit FreshDrawing(const RColor& current, RSwatchLayout size = {}) : FreshDrawing(size)
    {
        Draw(current);
    }

    void Draw(const RColor& current)
    {
        RColor p(0);
        for (int x = 0; x < Size.PlaneWidth; ++x)
            for (int y = 0; y < Size.PlaneHeight; ++y)
            {
                p.SetHSL(x * 239 / Size.PlaneWidth, (Size.PlaneHeight - y) * 239 / Size.PlaneHeight, 127);
                Plane[static_cast<std::size_t>(y * Size.PlaneWidth + x)] = p.GetColor();
            }
        const int hue = current.GetHue(), saturation = current.GetSat();
        for (int x = 0; x < Size.BarWidth; ++x)
            for (int y = 0; y < Size.BarHeight; ++y)
            {
                p.SetHSL(hue, saturation, (Size.BarHeight - y) * 239 / Size.BarHeight);
                Bar[static_cast<std::size_t>(y * Size.BarWidth + x)] = p.GetColor();
            }
    }

private:
    RSwatchLayout Size;
};

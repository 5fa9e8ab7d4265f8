#pragma once

#include "colour/ColorValue.h"
#include "colour/RColor.h"

#include <vector>

// The sizes of the hue/saturation plane, the luminance bar and the arrow
// image beside the bar, in pixels, as the main window lays them out.
struct RSwatchLayout
{
    int PlaneWidth = 82;
    int PlaneHeight = 82;
    int BarWidth = 12;
    int BarHeight = 82;
};

// What one redraw shows: the pixels as colour values 0x00BBGGRR, row by row
// from the top-left corner, the centre of the marker circle on the plane
// (drawn in the box from (x - 5, y - 5) to (x + 5, y + 5), right and bottom
// edges excluded), and the height of the arrow's tip beside the bar (the
// triangle (0, y), (BarWidth, y - 5), (BarWidth, y + 5)). The markers may lie
// on or beyond the images' edges; painting cuts them off. One renderer's
// Plane never changes between redraws, so a painter may keep its copy.
struct RSwatchPicture
{
    RSwatchLayout Layout;
    std::vector<ColorValue> Plane;
    std::vector<ColorValue> Bar;
    int MarkerX = 0;
    int MarkerY = 0;
    int ArrowY = 0;

    ColorValue PlanePixel(int x, int y) const { return Plane[Index(x, y, Layout.PlaneWidth)]; }
    ColorValue BarPixel(int x, int y) const { return Bar[Index(x, y, Layout.BarWidth)]; }

private:
    static std::size_t Index(int x, int y, int width)
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

// The plane as a renderer of the same layout draws it, made once when the
// program is built, and the scratch colour as the plane leaves it.
struct RPrecomputedPlane
{
    RSwatchLayout Layout;
    const ColorValue* Pixels; // PlaneWidth x PlaneHeight, row by row
    ColorValue After;
};

// Computes the plane, the bar and the markers for a colour.
//
// Every pixel goes through SetHSL on one scratch colour that starts black and
// carries from pixel to pixel, column by column, top to bottom, the bar
// continuing from the plane's last pixel; so a pixel depends on the one drawn
// before it. The plane at luminance 127 and the scratch colour after it do not
// depend on the current colour, so they are computed once; the bar's columns
// are computed until one starts from the same colour as the column before,
// after which every column repeats it. Either way every pixel is the one that
// drawing afresh gives.
class RSwatchRenderer
{
public:
    // With plane (of the same layout), its pixels are taken instead of
    // drawn; they are the ones drawing gives.
    explicit RSwatchRenderer(RSwatchLayout layout = {}, const RPrecomputedPlane* plane = nullptr);

    // The picture for current; valid until the next call. No allocation
    // after the first call.
    const RSwatchPicture& Render(const RColor& current);
    const RSwatchLayout& Layout() const { return Picture.Layout; }
    // The scratch colour as the plane leaves it, where the bar starts.
    ColorValue AfterPlaneColor() const { return AfterPlane.GetColor(); }

    // The plane's luminance: 127 on the HSL scale, about 0.531.
    static constexpr int PlaneLuminance = 127;

private:
    void DrawPlane();
    void DrawBar(int hue, int saturation);

    RSwatchPicture Picture;
    RColor AfterPlane{0}; // the scratch colour as the plane leaves it
};

// Where a mouse button released over the plane or the bar sets hue,
// saturation or luminance. Positions may lie outside the image, below 0 too;
// the divisions truncate toward zero, and the colour clamps the results.
int PlaneClickHue(int x, const RSwatchLayout& layout);
int PlaneClickSaturation(int y, const RSwatchLayout& layout);
int BarClickLuminance(int y, const RSwatchLayout& layout);

// The luminance arrow's colour on background: black, as the layout draws
// it, unless that would stand out less than 3:1 (a dark theme's button
// face), then lightened just enough: a graphic that carries meaning must be
// seen against what surrounds it.
ColorValue LuminanceArrowColor(ColorValue background);

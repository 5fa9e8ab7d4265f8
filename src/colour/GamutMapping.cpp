#include "colour/GamutMapping.h"

#include <algorithm>
#include <cmath>

namespace
{

bool InSrgbGamut(const RColorCoords& rgb)
{
    return std::all_of(rgb.begin(), rgb.end(), [](double c) { return c >= 0 && c <= 1; });
}

RColorCoords Clipped(const RColorCoords& rgb)
{
    return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0), std::clamp(rgb[2], 0.0, 1.0)};
}

// How far the clipped sRGB colour lies from the OKLCH colour it was made from.
double Delta(const RColorCoords& clipped, const RColorCoords& oklch)
{
    return DeltaEOK(Converted(RColorSpace::Srgb, RColorSpace::Oklab, clipped), RectangularOf(oklch));
}

std::uint8_t Byte(double component)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(component, 0.0, 1.0) * 255));
}

} // namespace

RColorCoords GamutMapToSrgb(RColorSpace space, const RColorCoords& coords)
{
    // 1. A colour inside sRGB needs no mapping: converted, it is the answer.
    const RColorCoords direct = ToSrgb(space, coords);
    if (InSrgbGamut(direct))
        return direct;
    // 2. Otherwise the search runs in OKLCH, where chroma can fall while
    //    lightness and hue stay.
    const RColorCoords origin = Converted(space, RColorSpace::Oklch, coords);
    // 3-4. Lightness beyond the ends is white or black, whatever its chroma.
    if (!(origin[0] < 1))
        return {1, 1, 1};
    if (!(origin[0] > 0))
        return {0, 0, 0};
    // 5. Clipping may already be indistinguishable from the colour itself.
    RColorCoords current = origin;
    RColorCoords clipped = Clipped(ToSrgb(RColorSpace::Oklch, current));
    if (Delta(clipped, current) < GamutMappingJnd)
        return clipped;
    // 6. A binary search on chroma: below min the colour was inside sRGB
    //    (while minInGamut holds) or close enough once clipped; at max it is
    //    too far. It ends once clipping lands just inside the JND.
    double min = 0, max = origin[1];
    bool minInGamut = true;
    while (max - min > GamutMappingEpsilon)
    {
        const double chroma = (min + max) / 2;
        current[1] = chroma;
        const RColorCoords rgb = ToSrgb(RColorSpace::Oklch, current);
        if (minInGamut && InSrgbGamut(rgb))
        {
            min = chroma;
            continue;
        }
        clipped = Clipped(rgb);
        const double delta = Delta(clipped, current);
        if (delta < GamutMappingJnd)
        {
            if (GamutMappingJnd - delta < GamutMappingEpsilon)
                return clipped;
            minInGamut = false;
            min = chroma;
        }
        else
            max = chroma;
    }
    return clipped;
}

ColorValue SrgbColorOf(RColorSpace space, const RColorCoords& coords)
{
    const RColorCoords rgb = GamutMapToSrgb(space, coords);
    return ColorValueOf(Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2]));
}

#pragma once

#include "colour/ColorValue.h"

#include <array>

// A colour as three coordinates in one of the spaces style sheets name,
// converted as the web defines them: sRGB, display-p3, a98-rgb and rec2020
// are relative to the D65 white, ProPhoto and CIE Lab to D50, with the
// Bradford adaptation between the two whites. Coordinates are not limited
// to a gamut: a colour wider than sRGB keeps its values outside 0..1 until
// it is mapped (GamutMapping.h).
using RColorCoords = std::array<double, 3>;

enum class RColorSpace
{
    Srgb,        // encoded red, green, blue 0..1
    SrgbLinear,  // the same in linear light
    DisplayP3,   // encoded 0..1
    A98Rgb,      // encoded 0..1
    ProPhotoRgb, // encoded 0..1
    Rec2020,     // encoded 0..1
    XyzD50,      // CIE XYZ, Y of white 1
    XyzD65,
    Lab,   // CIE L 0..100, a, b, relative to D50
    Lch,   // L, chroma, hue in degrees
    Oklab, // L 0..1, a, b
    Oklch, // L, chroma, hue in degrees
    Hsl,   // hue in degrees, saturation and lightness 0..1, over sRGB
    Hwb,   // hue in degrees, whiteness and blackness 0..1, over sRGB
    Hsv,   // hue in degrees, saturation and value 0..1, over sRGB
};

// coords of space as encoded sRGB, outside 0..1 where the colour is.
RColorCoords ToSrgb(RColorSpace space, const RColorCoords& coords);
// An encoded sRGB colour in space. A hue that means nothing (a grey's) is 0.
RColorCoords FromSrgb(RColorSpace space, const RColorCoords& srgb);
// The stored colour's coordinates in space.
RColorCoords CoordsOf(ColorValue color, RColorSpace space);
// coords of space from, in space to.
RColorCoords Converted(RColorSpace from, RColorSpace to, const RColorCoords& coords);

// The polar forms: L, a, b to L, chroma, hue 0..360 (0 for a chroma of 0)
// and back. Used for both Lab/LCh and OKLab/OKLCh.
RColorCoords PolarOf(const RColorCoords& lab);
RColorCoords RectangularOf(const RColorCoords& lch);

// The colour difference in OKLab: the distance between two points.
double DeltaEOK(const RColorCoords& oklab1, const RColorCoords& oklab2);

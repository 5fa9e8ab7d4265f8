#pragma once

#include "colour/ColorSpaces.h"

// Bringing a colour into sRGB. A colour inside it is left as it is; one
// outside keeps its OKLCH lightness and hue and loses chroma until clipping
// what is left changes it by less than a just-noticeable difference, so a
// vivid display-p3 green becomes the nearest green sRGB can show, not a
// clipped one of another hue. Lightness at or beyond white or black is white
// or black.

// coords of space as encoded sRGB, every component 0..1.
RColorCoords GamutMapToSrgb(RColorSpace space, const RColorCoords& coords);
// The same rounded to the stored colour's 8 bits a component.
ColorValue SrgbColorOf(RColorSpace space, const RColorCoords& coords);

// The just-noticeable difference in OKLab the mapping stops within, and how
// close to it it must come.
inline constexpr double GamutMappingJnd = 0.02;
inline constexpr double GamutMappingEpsilon = 0.0001;

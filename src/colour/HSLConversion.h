#pragma once

#include <cstdint>

// Conversions between red, green and blue bytes and hue, saturation and
// luminance, and between those and the 0..239 scale on which they are shown.
//
// The results are fixed to the bit: arithmetic runs in double precision, the
// intermediate values are rounded to float at fixed points, and every
// conversion to an integer truncates toward zero. Carrying the intermediates
// in double instead would change many results by one, so the rounding points
// are part of the behaviour, not an implementation detail.

struct RGBTriple
{
    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;
};

// Hue in degrees 0..360 (both ends mean red, and 360 is never folded to 0);
// saturation and luminance 0..1.
struct HSLTriple
{
    float Hue;
    float Saturation;
    float Luminance;
};

// The ranges that the scale conversions take: degrees for hue, 1 for the others.
inline constexpr float HueRange = 360.0f;
inline constexpr float UnitRange = 1.0f;
// The top of the HSL scale. It stands for the whole range (360 degrees or 1.0),
// so hue 0 and hue 239 are both red.
inline constexpr int HSLScaleMax = 239;

// Hue, saturation and luminance of a colour. A grey (black and white
// included) has hue 0 and saturation 0. Pure red has hue exactly 360.
HSLTriple UpdateHSL(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The colour of a hue, saturation and luminance. Saturation exactly 0 gives a
// grey and ignores the hue. Arguments outside their ranges give components
// clamped to 0..255, never a wrapped byte.
RGBTriple UpdateRGB(float hue, float saturation, float luminance);

// One component, 0..255, of the colour with the intermediate values m1 and m2
// at the given hue in degrees. A hue outside 0..360 is folded back once.
std::uint8_t HueToComponent(float m1, float m2, float hue);

// A value 0..range on the 0..239 scale, truncated. Below 0, or not a number,
// counts as 0; above range counts as range. A range that is not positive gives 0.
int ToHSLScale(float value, float range);

// A scale index 0..239 as a value 0..range. Indices outside 0..239 are clamped.
float FromHSLScale(int index, float range);

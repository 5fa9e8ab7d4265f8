#pragma once

#include <algorithm>
#include <cfloat>
#include <cstdint>

// Conversions between red, green and blue bytes and hue, saturation and
// luminance, and between those and the 0..239 scale on which they are shown.
//
// The results are fixed to the bit: arithmetic runs in double precision, the
// intermediate values are rounded to float at fixed points, and every
// conversion to an integer truncates toward zero. Carrying the intermediates
// in double instead would change many results by one, so the rounding points
// are part of the behaviour, not an implementation detail.

// A build that evaluates in wider registers (the x87) or lets the optimiser
// reassociate would silently move results by one, so it must not compile.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic: -msse2 -mfpmath=sse or /arch:SSE2");
#if defined(__FAST_MATH__)
#error "the colour conversions must not be built with -ffast-math"
#endif

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

// The definitions are inline: one redraw of the hue/saturation plane and the
// luminance bar makes some 23,000 single HSL writes, each two conversions long
// and each waiting for the one before, so every call not inlined shows.

namespace HSLDetail
{

// Applied as multipliers, never as divisors: a division can round the last
// bit of the double differently, and the results are defined by the product.
constexpr double OneOver510 = 1.0 / 510.0;
constexpr double OneOver60 = 1.0 / 60.0;
constexpr double OneOver239 = 1.0 / 239.0;

// Rounds an intermediate value to single precision. Every step whose result
// later steps read goes through here, so the rounding points stay visible.
inline float Stored(double value)
{
    return static_cast<float>(value);
}

// trunc(fraction x 255) as a byte. A fraction outside 0..1 (only from
// arguments outside their ranges) is clamped instead of wrapping.
inline std::uint8_t ComponentOf(float fraction)
{
    const double scaled = static_cast<double>(fraction) * 255.0;
    if (!(scaled > 0.0)) // not a number counts as 0 too
        return 0;
    if (scaled >= 255.0)
        return 255;
    return static_cast<std::uint8_t>(scaled); // truncates toward zero
}

} // namespace HSLDetail

inline HSLTriple UpdateHSL(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    // 1. The extremes.
    const int maxc = std::max({red, green, blue});
    const int minc = std::min({red, green, blue});

    // 2. Both are small integers, so float holds them exactly.
    const auto delta = static_cast<float>(maxc - minc);
    const auto sum = static_cast<float>(maxc + minc);

    // 3. Luminance.
    HSLTriple hsl{0.0f, 0.0f, HSLDetail::Stored(sum * HSLDetail::OneOver510)};

    // 4. A grey has no hue and no saturation.
    if (maxc == minc)
        return hsl;

    // 5. How far each component lies below the maximum, relative to delta.
    const float rc = HSLDetail::Stored((maxc - red) / static_cast<double>(delta));
    const float gc = HSLDetail::Stored((maxc - green) / static_cast<double>(delta));
    const float bc = HSLDetail::Stored((maxc - blue) / static_cast<double>(delta));

    // 6. Saturation, compared on the stored luminance.
    hsl.Saturation = HSLDetail::Stored(hsl.Luminance > 0.5f ? delta / (510.0 - sum)
                                                 : delta / static_cast<double>(sum));

    // 7. Three independent tests: when two components share the maximum, the
    //    later one decides (both formulas give the same hue then).
    if (red == maxc)
        hsl.Hue = HSLDetail::Stored(((6.0 + bc) - gc) * 60.0);
    if (green == maxc)
        hsl.Hue = HSLDetail::Stored(((2.0 + rc) - bc) * 60.0);
    if (blue == maxc)
        hsl.Hue = HSLDetail::Stored(((4.0 + gc) - rc) * 60.0);

    // 8. Only strictly above 360 folds: a red whose green equals its blue
    //    keeps hue 360, which the scale shows as 239.
    if (hsl.Hue > 360.0f)
        hsl.Hue = HSLDetail::Stored(hsl.Hue - 360.0);
    return hsl;
}

inline RGBTriple UpdateRGB(float hue, float saturation, float luminance)
{
    // 1. A grey: the hue plays no part.
    if (saturation == 0.0f)
    {
        const std::uint8_t grey = HSLDetail::ComponentOf(luminance);
        return {grey, grey, grey};
    }

    // 2, 3. The two intermediate values, compared on the stored luminance.
    const double l = luminance;
    const double s = saturation;
    const float m2 = HSLDetail::Stored(luminance > 0.5f ? (l + s) - (l * s) : (l * s) + l);
    const float m1 = HSLDetail::Stored((2.0 * l) - m2);

    // 4. The shifted hues are stored before they are used.
    return {HueToComponent(m1, m2, HSLDetail::Stored(hue + 120.0)),
            HueToComponent(m1, m2, hue),
            HueToComponent(m1, m2, HSLDetail::Stored(hue - 120.0))};
}

inline std::uint8_t HueToComponent(float m1, float m2, float hue)
{
    // 1. Fold at most once.
    if (hue > 360.0f)
        hue = HSLDetail::Stored(hue - 360.0);
    else if (hue < 0.0f)
        hue = HSLDetail::Stored(hue + 360.0);

    // 2. Rise over 0..60, hold over 60..180, fall over 180..240, floor beyond.
    const double low = m1;
    const double span = static_cast<double>(m2) - low;
    float v;
    if (hue < 60.0f)
        v = HSLDetail::Stored(low + (span * hue) * HSLDetail::OneOver60);
    else if (hue < 180.0f)
        v = m2;
    else if (hue < 240.0f)
        v = HSLDetail::Stored(low + (span * (240.0 - hue)) * HSLDetail::OneOver60);
    else
        v = m1;

    // 3. Truncate, like every conversion to an integer here.
    return HSLDetail::ComponentOf(v);
}

inline int ToHSLScale(float value, float range)
{
    if (!(range > 0.0f))
        return 0;
    if (!(value >= 0.0f)) // negative, or not a number
        value = 0.0f;
    if (value > range)
        value = range;
    // A true division here, unlike the reciprocals above.
    return static_cast<int>((static_cast<double>(value) * HSLScaleMax) / range);
}

inline float FromHSLScale(int index, float range)
{
    index = std::clamp(index, 0, HSLScaleMax);
    return HSLDetail::Stored((static_cast<double>(index) * range) * HSLDetail::OneOver239);
}

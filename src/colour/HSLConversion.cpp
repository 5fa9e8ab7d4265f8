#include "colour/HSLConversion.h"

#include <algorithm>

namespace
{

// These constants are applied as multipliers, never as divisors: dividing by
// 510, 60 or 239 rounds differently and moves some results by one.
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

} // namespace

HSLTriple UpdateHSL(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    // 1. The extremes.
    const int maxc = std::max({red, green, blue});
    const int minc = std::min({red, green, blue});

    // 2. Both are small integers, so float holds them exactly.
    const auto delta = static_cast<float>(maxc - minc);
    const auto sum = static_cast<float>(maxc + minc);

    // 3. Luminance.
    HSLTriple hsl{0.0f, 0.0f, Stored(sum * OneOver510)};

    // 4. A grey has no hue and no saturation.
    if (maxc == minc)
        return hsl;

    // 5. How far each component lies below the maximum, relative to delta.
    const float rc = Stored((maxc - red) / static_cast<double>(delta));
    const float gc = Stored((maxc - green) / static_cast<double>(delta));
    const float bc = Stored((maxc - blue) / static_cast<double>(delta));

    // 6. Saturation, compared on the stored luminance.
    hsl.Saturation = Stored(hsl.Luminance > 0.5f ? delta / (510.0 - sum)
                                                 : delta / static_cast<double>(sum));

    // 7. Three independent tests: when two components share the maximum, the
    //    later one decides (both formulas give the same hue then).
    if (red == maxc)
        hsl.Hue = Stored(((6.0 + bc) - gc) * 60.0);
    if (green == maxc)
        hsl.Hue = Stored(((2.0 + rc) - bc) * 60.0);
    if (blue == maxc)
        hsl.Hue = Stored(((4.0 + gc) - rc) * 60.0);

    // 8. Only strictly above 360 folds: a red whose green equals its blue
    //    keeps hue 360, which the scale shows as 239.
    if (hsl.Hue > 360.0f)
        hsl.Hue = Stored(hsl.Hue - 360.0);
    return hsl;
}

RGBTriple UpdateRGB(float hue, float saturation, float luminance)
{
    // 1. A grey: the hue plays no part.
    if (saturation == 0.0f)
    {
        const std::uint8_t grey = ComponentOf(luminance);
        return {grey, grey, grey};
    }

    // 2, 3. The two intermediate values, compared on the stored luminance.
    const double l = luminance;
    const double s = saturation;
    const float m2 = Stored(luminance > 0.5f ? (l + s) - (l * s) : (l * s) + l);
    const float m1 = Stored((2.0 * l) - m2);

    // 4. The shifted hues are stored before they are used.
    return {HueToComponent(m1, m2, Stored(hue + 120.0)),
            HueToComponent(m1, m2, hue),
            HueToComponent(m1, m2, Stored(hue - 120.0))};
}

std::uint8_t HueToComponent(float m1, float m2, float hue)
{
    // 1. Fold at most once.
    if (hue > 360.0f)
        hue = Stored(hue - 360.0);
    else if (hue < 0.0f)
        hue = Stored(hue + 360.0);

    // 2. Rise over 0..60, hold over 60..180, fall over 180..240, floor beyond.
    const double low = m1;
    const double span = static_cast<double>(m2) - low;
    float v;
    if (hue < 60.0f)
        v = Stored(low + (span * hue) * OneOver60);
    else if (hue < 180.0f)
        v = m2;
    else if (hue < 240.0f)
        v = Stored(low + (span * (240.0 - hue)) * OneOver60);
    else
        v = m1;

    // 3. Truncate, like every conversion to an integer here.
    return ComponentOf(v);
}

int ToHSLScale(float value, float range)
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

float FromHSLScale(int index, float range)
{
    index = std::clamp(index, 0, HSLScaleMax);
    return Stored((static_cast<double>(index) * range) * OneOver239);
}

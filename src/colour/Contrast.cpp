#include "colour/Contrast.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>

namespace
{

ColorValue Mixed(ColorValue from, ColorValue to, double share)
{
    auto mix = [share](std::uint8_t a, std::uint8_t b)
    { return static_cast<std::uint8_t>(std::lround(a + (b - a) * share)); };
    return ColorValueOf(mix(RedOfValue(from), RedOfValue(to)), mix(GreenOfValue(from), GreenOfValue(to)),
                        mix(BlueOfValue(from), BlueOfValue(to)));
}

} // namespace

double RelativeLuminance(ColorValue color)
{
    return 0.2126 * LinearOfByte(RedOfValue(color)) + 0.7152 * LinearOfByte(GreenOfValue(color)) +
           0.0722 * LinearOfByte(BlueOfValue(color));
}

double ContrastRatio(ColorValue first, ColorValue second)
{
    const double a = RelativeLuminance(first), b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ColorValue ReadableOn(ColorValue wanted, ColorValue background, double minimum)
{
    if (ContrastRatio(wanted, background) >= minimum)
        return wanted;
    const ColorValue toward = BlackOrWhiteOn(background);
    // The contrast grows steadily along the way, so halving finds the least
    // share that reaches minimum; the far end always does.
    double low = 0, high = 1;
    for (int step = 0; step < 20; ++step)
    {
        const double middle = (low + high) / 2;
        (ContrastRatio(Mixed(wanted, toward, middle), background) >= minimum ? high : low) = middle;
    }
    return Mixed(wanted, toward, high);
}

ColorValue BlackOrWhiteOn(ColorValue background)
{
    // Where both stand out equally (a mid grey), white.
    const ColorValue white = ColorValueOf(255, 255, 255), black = 0;
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

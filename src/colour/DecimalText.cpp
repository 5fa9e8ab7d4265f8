#include "colour/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{

constexpr double Scales[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

std::string Printed(double value, int decimals, bool trim)
{
    decimals = std::clamp(decimals, 0, 10);
    // Beyond 1e8 no colour coordinate lies; the bound keeps the scaled value
    // within 64 bits at ten places.
    value = std::clamp(std::isnan(value) ? 0.0 : value, -1e8, 1e8);
    const double scale = Scales[decimals];
    std::int64_t scaled = std::llround(value * scale);
    const bool negative = scaled < 0;
    if (negative)
        scaled = -scaled;
    std::string digits = std::to_string(scaled);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fraction = digits.substr(whole.size());
    if (trim)
        fraction.erase(fraction.find_last_not_of('0') + 1);
    if (negative)
        whole.insert(0, 1, '-');
    if (!fraction.empty())
    {
        whole += '.';
        whole += fraction;
    }
    return whole;
}

} // namespace

std::string DecimalText(double value, int decimals)
{
    return Printed(value, decimals, true);
}

std::string FixedDecimalText(double value, int decimals)
{
    return Printed(value, decimals, false);
}

std::string HueText(double degrees, int decimals, bool fixed)
{
    std::string text = Printed(degrees, decimals, !fixed);
    if (text.compare(0, 3, "360") == 0)
        text = Printed(0, decimals, !fixed);
    return text;
}

double MeaningfulHue(double chroma, double hue, int chromaDecimals)
{
    return std::llround(chroma * Scales[std::clamp(chromaDecimals, 0, 10)]) == 0 ? 0 : hue;
}

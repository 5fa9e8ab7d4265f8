#include "colour/CssColor.h"
#include "colour/TextScan.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One argument: a number, then its unit ("", "%" or "deg").
struct RCssNumber
{
    double Value = 0;
    bool Whole = true;
    std::string_view Unit;
};

// Digits with an optional fraction, an optional minus sign before them; a
// dozen digits at most, which no colour needs and no double loses.
std::optional<RCssNumber> Number(std::string_view text)
{
    RCssNumber number;
    bool negative = false;
    if (!text.empty() && text.front() == '-')
    {
        negative = true;
        text.remove_prefix(1);
    }
    std::size_t at = 0, digits = 0;
    while (at < text.size() && IsDigit(text[at]) && digits < 12)
    {
        number.Value = number.Value * 10 + (text[at++] - '0');
        ++digits;
    }
    if (at < text.size() && text[at] == '.')
    {
        number.Whole = false;
        ++at;
        double scale = 0.1;
        std::size_t fraction = 0;
        while (at < text.size() && IsDigit(text[at]) && digits < 12)
        {
            number.Value += (text[at++] - '0') * scale;
            scale /= 10;
            ++digits;
            ++fraction;
        }
        if (fraction == 0)
            return std::nullopt;
    }
    if (digits == 0 || (at < text.size() && IsDigit(text[at])))
        return std::nullopt;
    if (negative)
        number.Value = -number.Value;
    number.Unit = text.substr(at);
    return number;
}

// The arguments between "(" and ")", split at commas and trimmed; empty when
// text is not name "(" ... ")".
std::vector<std::string_view> Arguments(std::string_view text, std::string_view& name)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return {};
    name = TrimmedText(text.substr(0, open));
    std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    std::vector<std::string_view> arguments;
    for (;;)
    {
        const std::size_t comma = inside.find(',');
        arguments.push_back(TrimmedText(inside.substr(0, comma)));
        if (comma == std::string_view::npos || arguments.size() > 4)
            break;
        inside.remove_prefix(comma + 1);
    }
    return arguments;
}

std::optional<std::uint8_t> Component(std::string_view text)
{
    const auto number = Number(text);
    // Three digits at most, as "rgb(0255, ...)" is no colour anyone wrote.
    if (!number || !number->Whole || !number->Unit.empty() || number->Value < 0 || number->Value > 255 ||
        text.size() > 3)
        return std::nullopt;
    return static_cast<std::uint8_t>(number->Value);
}

std::optional<double> Percentage(std::string_view text)
{
    const auto number = Number(text);
    if (!number || number->Unit != "%" || number->Value < 0 || number->Value > 100)
        return std::nullopt;
    return number->Value / 100;
}

bool IsAlpha(std::string_view text)
{
    const auto number = Number(text);
    if (!number || number->Value < 0)
        return false;
    if (number->Unit == "%")
        return number->Value <= 100;
    return number->Unit.empty() && number->Value <= 1;
}

std::optional<double> Hue(std::string_view text)
{
    const auto number = Number(text);
    if (!number || (!number->Unit.empty() && !EqualsNoCase(number->Unit, "deg")))
        return std::nullopt;
    const double hue = std::fmod(number->Value, 360);
    return hue < 0 ? hue + 360 : hue;
}

std::uint8_t Byte(double share)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(share, 0.0, 1.0) * 255));
}

// The style sheets' own conversion, hue in degrees, the rest 0..1.
ColorValue FromHsl(double hue, double saturation, double lightness)
{
    const double a = saturation * std::min(lightness, 1 - lightness);
    auto channel = [&](double n)
    {
        const double k = std::fmod(n + hue / 30, 12);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return ColorValueOf(Byte(channel(0)), Byte(channel(8)), Byte(channel(4)));
}

} // namespace

std::optional<ColorValue> ParseCssFunction(std::string_view text)
{
    text = TrimmedText(text);
    std::string_view name;
    const std::vector<std::string_view> arguments = Arguments(text, name);
    const bool withAlpha = EqualsNoCase(name, "rgba") || EqualsNoCase(name, "hsla");
    if (!withAlpha && !EqualsNoCase(name, "rgb") && !EqualsNoCase(name, "hsl"))
        return std::nullopt;
    if (arguments.size() != (withAlpha ? 4u : 3u) || (withAlpha && !IsAlpha(arguments[3])))
        return std::nullopt;
    if (LowerCase(name.front()) == 'r')
    {
        const auto red = Component(arguments[0]), green = Component(arguments[1]), blue = Component(arguments[2]);
        if (!red || !green || !blue)
            return std::nullopt;
        return ColorValueOf(*red, *green, *blue);
    }
    const auto hue = Hue(arguments[0]);
    const auto saturation = Percentage(arguments[1]), lightness = Percentage(arguments[2]);
    if (!hue || !saturation || !lightness)
        return std::nullopt;
    return FromHsl(*hue, *saturation, *lightness);
}

std::optional<ColorValue> ParseCssRgb(std::string_view text)
{
    return StartsWithNoCase(TrimmedText(text), "rgb") ? ParseCssFunction(text) : std::nullopt;
}

std::optional<ColorValue> ParseCssHsl(std::string_view text)
{
    return StartsWithNoCase(TrimmedText(text), "hsl") ? ParseCssFunction(text) : std::nullopt;
}

std::string CssRgbText(ColorValue color)
{
    return "rgb(" + std::to_string(RedOfValue(color)) + ", " + std::to_string(GreenOfValue(color)) + ", " +
           std::to_string(BlueOfValue(color)) + ")";
}

std::string CssHslText(ColorValue color)
{
    const double red = RedOfValue(color) / 255.0, green = GreenOfValue(color) / 255.0,
                 blue = BlueOfValue(color) / 255.0;
    const double high = std::max({red, green, blue}), low = std::min({red, green, blue});
    const double lightness = (high + low) / 2, range = high - low;
    double hue = 0, saturation = 0;
    if (range > 0)
    {
        saturation = range / (1 - std::fabs(2 * lightness - 1));
        if (high == red)
            hue = 60 * std::fmod((green - blue) / range + 6, 6);
        else if (high == green)
            hue = 60 * ((blue - red) / range + 2);
        else
            hue = 60 * ((red - green) / range + 4);
    }
    const long degrees = std::lround(hue) % 360;
    return "hsl(" + std::to_string(degrees) + ", " + std::to_string(std::lround(saturation * 100)) + "%, " +
           std::to_string(std::lround(lightness * 100)) + "%)";
}

#include "colour/ColorText.h"

#include "colour/RColor.h"

#include <cctype>
#include <optional>

namespace
{

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits)
    {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// "#RRGGBB" or "#RGB", red first.
std::optional<ColorValue> Html(std::string_view digits)
{
    const auto value = HexNumber(digits);
    if (!value)
        return std::nullopt;
    if (digits.size() == 6)
        return ColorValueOf(static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 8),
                            static_cast<std::uint8_t>(*value));
    if (digits.size() == 3)
    {
        auto doubled = [](std::uint32_t digit) { return static_cast<std::uint8_t>(digit * 17); };
        return ColorValueOf(doubled(*value >> 8 & 15), doubled(*value >> 4 & 15), doubled(*value & 15));
    }
    return std::nullopt;
}

// The colour value itself, blue first: six digits, or eight whose top two are 0.
std::optional<ColorValue> Value(std::string_view digits)
{
    const auto value = HexNumber(digits);
    if (!value || (digits.size() != 6 && digits.size() != 8) || (*value >> 24) != 0)
        return std::nullopt;
    return *value;
}

std::optional<int> Component(std::string_view& text)
{
    text = Trimmed(text);
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])) && digits < 3)
        value = value * 10 + (text[digits++] - '0');
    if (digits == 0 || value > 255 || (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))))
        return std::nullopt;
    text.remove_prefix(digits);
    text = Trimmed(text);
    return value;
}

// "rgb(" r "," g "," b ")", space anywhere between.
std::optional<ColorValue> CssRgb(std::string_view text)
{
    if (!StartsWithNoCase(text, "rgb") || text.back() != ')')
        return std::nullopt;
    text.remove_prefix(3);
    text.remove_suffix(1);
    text = Trimmed(text);
    if (text.empty() || text.front() != '(')
        return std::nullopt;
    text.remove_prefix(1);
    int parts[3];
    for (int i = 0; i < 3; ++i)
    {
        const auto part = Component(text);
        if (!part)
            return std::nullopt;
        parts[i] = *part;
        if (i < 2)
        {
            if (text.empty() || text.front() != ',')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;
    return ColorValueOf(static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
                        static_cast<std::uint8_t>(parts[2]));
}

// A name compared without case, spaces and hyphens.
std::string Folded(std::string_view name)
{
    std::string folded;
    for (const char c : name)
        if (c != ' ' && c != '-')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::optional<ColorValue> Named(std::string_view text)
{
    const std::string wanted = Folded(text);
    if (wanted.empty())
        return std::nullopt;
    // Row 0, "None", names no colour.
    for (int i = 1; i < NamedColorCount; ++i)
        if (Folded(NamedColors[i].Name) == wanted)
            return NamedColors[i].Value;
    return std::nullopt;
}

std::optional<ColorValue> Parsed(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    if (text.front() == '#')
        return Html(text.substr(1));
    if (StartsWithNoCase(text, "0x"))
        return Value(text.substr(2));
    if (text.front() == '$')
        return Value(text.substr(1));
    if (StartsWithNoCase(text, "&h"))
        return text.size() > 3 && text.back() == '&' ? Value(text.substr(2, text.size() - 3)) : std::nullopt;
    if (StartsWithNoCase(text, "rgb"))
        return CssRgb(text);
    return Named(text);
}

} // namespace

bool ParseColorText(std::string_view text, ColorValue& color)
{
    const auto parsed = Parsed(Trimmed(text));
    if (!parsed)
        return false;
    color = *parsed;
    return true;
}

std::string CssRgbText(ColorValue color)
{
    return "rgb(" + std::to_string(RedOfValue(color)) + ", " + std::to_string(GreenOfValue(color)) + ", " +
           std::to_string(BlueOfValue(color)) + ")";
}

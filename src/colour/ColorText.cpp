#include "colour/ColorText.h"

#include "colour/CssColor.h"
#include "colour/RColor.h"
#include "colour/TextScan.h"

#include <cctype>
#include <optional>

namespace
{

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
    if (StartsWithNoCase(text, "rgb") || StartsWithNoCase(text, "hsl"))
        return ParseCssFunction(text);
    return Named(text);
}

} // namespace

bool ParseColorText(std::string_view text, ColorValue& color)
{
    const auto parsed = Parsed(TrimmedText(text));
    if (!parsed)
        return false;
    color = *parsed;
    return true;
}

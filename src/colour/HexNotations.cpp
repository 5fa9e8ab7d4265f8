#include "colour/HexNotations.h"

#include "colour/RColor.h"
#include "colour/TextScan.h"

namespace
{

std::optional<std::uint32_t> HexNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits)
    {
        const char lower = LowerCase(c);
        const int digit = c >= '0' && c <= '9' ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// Six digits, red first.
std::optional<ColorValue> RedFirst(std::string_view digits)
{
    const auto value = HexNumber(digits);
    if (!value || digits.size() != 6)
        return std::nullopt;
    return ColorValueOf(static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 8),
                        static_cast<std::uint8_t>(*value));
}

// The colour value itself, blue first: six digits, or eight whose top two are 0.
std::optional<ColorValue> BlueFirst(std::string_view digits)
{
    const auto value = HexNumber(digits);
    if (!value || (digits.size() != 6 && digits.size() != 8) || (*value >> 24) != 0)
        return std::nullopt;
    return *value;
}

} // namespace

void AppendHexByte(std::string& text, std::uint8_t byte, bool upper)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    text += digits[byte >> 4];
    text += digits[byte & 15];
}

std::string HexLiteral(ColorValue color, int hexFormat)
{
    // What the colour descriptor prints (the tests hold the two together),
    // without its formatting machinery: a palette converts a million of them.
    RColor::CheckHexFormat(hexFormat);
    static constexpr const char* Prefixes[] = {"#", "0x00", "$00", "&H00"};
    const std::uint8_t red = RedOfValue(color), green = GreenOfValue(color), blue = BlueOfValue(color);
    const std::uint8_t first = hexFormat == 0 ? red : blue, last = hexFormat == 0 ? blue : red;
    std::string text = Prefixes[hexFormat];
    for (const std::uint8_t byte : {first, green, last})
        AppendHexByte(text, byte);
    if (hexFormat == 3)
        text += '&';
    return text;
}

std::string CssHexText(ColorValue color)
{
    std::string text = HexLiteral(color, 0);
    for (char& c : text)
        c = LowerCase(c);
    return text;
}

std::optional<ColorValue> ReadHtmlLiteral(std::string_view text)
{
    if (text.empty() || text.front() != '#')
        return std::nullopt;
    std::string_view digits = text.substr(1);
    // The alpha's digits are checked, then left aside.
    if ((digits.size() == 4 || digits.size() == 8) && HexNumber(digits))
        digits.remove_suffix(digits.size() / 4);
    if (digits.size() != 3)
        return RedFirst(digits);
    const auto value = HexNumber(digits);
    if (!value)
        return std::nullopt;
    auto doubled = [](std::uint32_t digit) { return static_cast<std::uint8_t>(digit * 17); };
    return ColorValueOf(doubled(*value >> 8 & 15), doubled(*value >> 4 & 15), doubled(*value & 15));
}

std::optional<ColorValue> ReadCppLiteral(std::string_view text)
{
    if (!StartsWithNoCase(text, "0x"))
        return std::nullopt;
    const std::string_view digits = text.substr(2);
    if (digits.size() == 6)
        return RedFirst(digits);
    // Every copy in the C++ notation starts "0x00": it still pastes back.
    if (digits.size() == 8 && digits.substr(0, 2) == "00")
        return BlueFirst(digits);
    return digits.size() == 8 && HexNumber(digits) ? RedFirst(digits.substr(2)) : std::nullopt;
}

std::optional<ColorValue> ReadDelphiLiteral(std::string_view text)
{
    return !text.empty() && text.front() == '$' ? BlueFirst(text.substr(1)) : std::nullopt;
}

std::optional<ColorValue> ReadVbLiteral(std::string_view text)
{
    if (!StartsWithNoCase(text, "&h") || text.size() <= 3 || text.back() != '&')
        return std::nullopt;
    return BlueFirst(text.substr(2, text.size() - 3));
}

std::string BareHexLiteral(ColorValue color)
{
    return HexLiteral(color, 0).substr(1);
}

std::optional<ColorValue> ReadBareHexLiteral(std::string_view text)
{
    return RedFirst(text);
}

#include "colour/ColorTemplate.h"

#include "colour/ColorSpaces.h"
#include "colour/CssColor.h"
#include "colour/CssNamedColors.h"
#include "colour/DecimalText.h"
#include "colour/HexNotations.h"
#include "colour/TextScan.h"

#include <cmath>

namespace
{

enum class RKind
{
    Byte,     // 0..255
    Fraction, // 0..1
    Hex,      // RRGGBB
    Share,    // a cylinder form's share, printed in percent
    Hue,      // degrees of a cylinder form
    Lab,      // a coordinate of the Lab family
    LabHue,   // the hue of LCh or OKLCh
    Name,
};

struct RComponentDef
{
    const char* Name;
    RKind Kind;
    RColorSpace Space = RColorSpace::Srgb;
    int Index = 0;
    int Decimals = 0; // the component's own
};

constexpr RComponentDef Components[] = {
    {"r", RKind::Byte, RColorSpace::Srgb, 0},
    {"g", RKind::Byte, RColorSpace::Srgb, 1},
    {"b", RKind::Byte, RColorSpace::Srgb, 2},
    {"a", RKind::Byte, RColorSpace::Srgb, 3},
    // Three decimals tell every byte apart: 1/255 is 0.0039.
    {"rf", RKind::Fraction, RColorSpace::Srgb, 0, 3},
    {"gf", RKind::Fraction, RColorSpace::Srgb, 1, 3},
    {"bf", RKind::Fraction, RColorSpace::Srgb, 2, 3},
    {"af", RKind::Fraction, RColorSpace::Srgb, 3, 3},
    {"hex", RKind::Hex},
    {"hsl.h", RKind::Hue, RColorSpace::Hsl, 0},
    {"hsl.s", RKind::Share, RColorSpace::Hsl, 1},
    {"hsl.l", RKind::Share, RColorSpace::Hsl, 2},
    {"hsv.h", RKind::Hue, RColorSpace::Hsv, 0},
    {"hsv.s", RKind::Share, RColorSpace::Hsv, 1},
    {"hsv.v", RKind::Share, RColorSpace::Hsv, 2},
    {"hwb.h", RKind::Hue, RColorSpace::Hwb, 0},
    {"hwb.w", RKind::Share, RColorSpace::Hwb, 1},
    {"hwb.b", RKind::Share, RColorSpace::Hwb, 2},
    {"lab.l", RKind::Lab, RColorSpace::Lab, 0, LabDecimals.First},
    {"lab.a", RKind::Lab, RColorSpace::Lab, 1, LabDecimals.Second},
    {"lab.b", RKind::Lab, RColorSpace::Lab, 2, LabDecimals.Third},
    {"lch.l", RKind::Lab, RColorSpace::Lch, 0, LchDecimals.First},
    {"lch.c", RKind::Lab, RColorSpace::Lch, 1, LchDecimals.Second},
    {"lch.h", RKind::LabHue, RColorSpace::Lch, 2, LchDecimals.Third},
    {"oklab.l", RKind::Lab, RColorSpace::Oklab, 0, OklabDecimals.First},
    {"oklab.a", RKind::Lab, RColorSpace::Oklab, 1, OklabDecimals.Second},
    {"oklab.b", RKind::Lab, RColorSpace::Oklab, 2, OklabDecimals.Third},
    {"oklch.l", RKind::Lab, RColorSpace::Oklch, 0, OklchDecimals.First},
    {"oklch.c", RKind::Lab, RColorSpace::Oklch, 1, OklchDecimals.Second},
    {"oklch.h", RKind::LabHue, RColorSpace::Oklch, 2, OklchDecimals.Third},
    {"name", RKind::Name},
};

int ComponentIndex(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(Components); ++i)
        if (name == Components[i].Name)
            return static_cast<int>(i);
    return -1;
}

std::uint8_t ByteOf(ColorValue color, int index)
{
    return index == 3 ? std::uint8_t{255} : static_cast<std::uint8_t>(color >> (8 * index));
}

} // namespace

std::optional<RColorTemplate> RColorTemplate::Read(std::string_view text, std::string& problem, std::size_t& column)
{
    RColorTemplate result;
    RPart part;
    auto fail = [&](std::size_t at, std::string why)
    {
        problem = std::move(why);
        column = at + 1;
        return std::nullopt;
    };
    for (std::size_t at = 0; at < text.size(); ++at)
    {
        const char c = text[at];
        if (c == '}')
        {
            if (at + 1 < text.size() && text[at + 1] == '}')
            {
                part.Literal += '}';
                ++at;
                continue;
            }
            return fail(at, "a '}' with no '{' before it: write '}}' for the brace itself");
        }
        if (c != '{')
        {
            part.Literal += c;
            continue;
        }
        if (at + 1 < text.size() && text[at + 1] == '{')
        {
            part.Literal += '{';
            ++at;
            continue;
        }
        const std::size_t close = text.find('}', at);
        if (close == std::string_view::npos)
            return fail(at, "a '{' with no '}' after it: write '{{' for the brace itself");
        const std::string_view inside = text.substr(at + 1, close - at - 1);
        const std::size_t colon = inside.find(':');
        const std::string_view name = TrimmedText(inside.substr(0, colon));
        part.Component = ComponentIndex(name);
        if (part.Component < 0)
            return fail(at + 1, "unknown placeholder " + QuotedForMessage(name) +
                                    ": see the help's list (r, g, b, rf, hex, hsl.h, oklch.l, ...)");
        if (colon != std::string_view::npos)
        {
            std::string_view spec = TrimmedText(inside.substr(colon + 1));
            const RKind kind = Components[part.Component].Kind;
            const std::size_t specColumn = at + 2 + colon;
            if (spec == "x" || spec == "X")
            {
                if (kind != RKind::Byte && kind != RKind::Hex)
                    return fail(specColumn, "hex digits ('" + std::string(spec) + "') are for bytes and hex only");
                part.Case = spec[0];
                spec = {};
            }
            if (!spec.empty() && spec.front() == '%')
            {
                part.Percent = true;
                spec.remove_prefix(1);
            }
            if (!spec.empty())
            {
                const bool digits = spec.size() >= 2 && spec.size() <= 3 && spec[0] == '.' &&
                                    spec.substr(1).find_first_not_of("0123456789") == std::string_view::npos;
                const int decimals = digits ? std::stoi(std::string(spec.substr(1))) : -1;
                if (decimals < 0 || decimals > 10)
                    return fail(specColumn, "unknown format " + QuotedForMessage(spec) +
                                                ": 'x', 'X', '.N' (N decimals, 0 to 10) or '%'");
                part.Decimals = decimals;
            }
            if ((part.Percent || part.Decimals >= 0) && (kind == RKind::Hex || kind == RKind::Name))
                return fail(specColumn, QuotedForMessage(name) + " is text: it takes no decimals");
        }
        result.Parts.push_back(std::move(part));
        part = RPart{};
        at = close;
    }
    result.Parts.push_back(std::move(part));
    return result;
}

std::string RColorTemplate::Print(ColorValue color) const
{
    std::string text;
    RColorCoords coords{};
    RColorSpace coordsSpace = RColorSpace::Srgb;
    bool haveCoords = false;
    for (const RPart& part : Parts)
    {
        text += part.Literal;
        if (part.Component < 0)
            continue;
        const RComponentDef& component = Components[part.Component];
        const bool fixed = part.Decimals >= 0;
        const int decimals = fixed ? part.Decimals : component.Decimals;
        auto number = [&](double value)
        {
            if (part.Percent)
                value *= 100;
            return fixed ? FixedDecimalText(value, decimals) : DecimalText(value, decimals);
        };
        auto coordinate = [&](int index)
        {
            if (!haveCoords || coordsSpace != component.Space)
            {
                coords = CoordsOf(color, component.Space);
                coordsSpace = component.Space;
                haveCoords = true;
            }
            return coords[static_cast<std::size_t>(index)];
        };
        switch (component.Kind)
        {
        case RKind::Byte:
            if (part.Case != 0)
                AppendHexByte(text, ByteOf(color, component.Index), part.Case == 'X');
            else
                text += number(ByteOf(color, component.Index));
            break;
        case RKind::Fraction:
            text += number(ByteOf(color, component.Index) / 255.0);
            break;
        case RKind::Hex:
            for (int i = 0; i < 3; ++i)
                AppendHexByte(text, ByteOf(color, i), part.Case != 'x');
            break;
        case RKind::Share:
            text += number(coordinate(component.Index) * (part.Percent ? 1 : 100));
            break;
        case RKind::Hue:
            text += HueText(coordinate(component.Index), decimals, fixed);
            break;
        case RKind::Lab:
            text += number(coordinate(component.Index));
            break;
        case RKind::LabHue:
            text += HueText(MeaningfulHue(coordinate(1), coordinate(component.Index),
                                          Components[part.Component - 1].Decimals),
                            decimals, fixed);
            break;
        case RKind::Name:
            text += NearestCssName(color).Name;
            break;
        }
    }
    return text;
}

#include "colour/ColorNotation.h"

#include "colour/CssColor.h"
#include "colour/HexNotations.h"
#include "colour/TextScan.h"

#include <algorithm>

namespace
{

template <int HexFormat>
std::string Hex(ColorValue color)
{
    return HexLiteral(color, HexFormat);
}

std::string Lab(ColorValue color)
{
    return CssLabText(color);
}

std::string Lch(ColorValue color)
{
    return CssLchText(color);
}

std::string Oklab(ColorValue color)
{
    return CssOklabText(color);
}

std::string Oklch(ColorValue color)
{
    return CssOklchText(color);
}

// The functional forms share one reader, which knows them all.
constexpr RColorNotation Notations[] = {
    {"html", "HTML", 0, &Hex<0>, &ReadHtmlLiteral, true, true},
    {"cpp", "C++", 1, &Hex<1>, &ReadCppLiteral, true, true},
    {"delphi", "Delphi", 2, &Hex<2>, &ReadDelphiLiteral, true, true},
    {"vb", "VB", 3, &Hex<3>, &ReadVbLiteral, true, true},
    {"hex", "Hex", -1, &CssHexText, &ReadHtmlLiteral, true, false},
    {"rgb", "CSS", -1, &CssRgbText, &ReadCssFunction, true, false},
    {"rgb-comma", "CSS", -1, &CssRgbCommaText, &ReadCssFunction, true, true},
    {"hsl", "CSS", -1, &CssHslText, &ReadCssFunction, true, false},
    {"hsl-comma", "CSS", -1, &CssHslCommaText, &ReadCssFunction, true, true},
    {"hwb", "CSS", -1, &CssHwbText, &ReadCssFunction, true, false},
    {"hsv", "HSV", -1, &HsvText, &ReadCssFunction, true, false},
    {"lab", "CSS", -1, &Lab, &ReadCssFunction, true, false},
    {"lch", "CSS", -1, &Lch, &ReadCssFunction, true, false},
    {"oklab", "CSS", -1, &Oklab, &ReadCssFunction, true, false},
    {"oklch", "CSS", -1, &Oklch, &ReadCssFunction, true, false},
    {"hex-digits", "Hex digits", -1, &BareHexLiteral, &ReadBareHexLiteral, false, true},
};

} // namespace

std::span<const RColorNotation> ColorNotations()
{
    return Notations;
}

const RColorNotation* FindColorNotation(std::string_view id)
{
    const auto found = std::find_if(std::begin(Notations), std::end(Notations),
                                    [id](const RColorNotation& notation) { return EqualsNoCase(id, notation.Id); });
    return found != std::end(Notations) ? &*found : nullptr;
}

const RColorNotation& WindowNotation(int hexFormat)
{
    // -1 marks the forms outside the list: it finds none of them.
    for (const RColorNotation& notation : Notations)
        if (hexFormat >= 0 && notation.HexFormat == hexFormat)
            return notation;
    return Notations[0];
}

std::vector<const char*> WindowNotationLabels()
{
    std::vector<const char*> labels;
    for (int hexFormat = 0;; ++hexFormat)
    {
        const RColorNotation& notation = WindowNotation(hexFormat);
        if (notation.HexFormat != hexFormat)
            return labels;
        labels.push_back(notation.Label);
    }
}

std::string LiteralOf(ColorValue color, const RColorNotation& notation)
{
    return notation.Print(color);
}

std::string LiteralOf(ColorValue color, int hexFormat)
{
    return LiteralOf(color, WindowNotation(hexFormat));
}

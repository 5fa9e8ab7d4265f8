#include "colour/ColorNotation.h"

#include "colour/CssColor.h"
#include "colour/HexNotations.h"

#include <algorithm>

namespace
{

template <int HexFormat>
std::string Hex(ColorValue color)
{
    return HexLiteral(color, HexFormat);
}

constexpr RColorNotation Notations[] = {
    {"html", "HTML", 0, &Hex<0>, &ReadHtmlLiteral, true},
    {"cpp", "C++", 1, &Hex<1>, &ReadCppLiteral, true},
    {"delphi", "Delphi", 2, &Hex<2>, &ReadDelphiLiteral, true},
    {"vb", "VB", 3, &Hex<3>, &ReadVbLiteral, true},
    {"rgb-comma", "CSS", -1, &CssRgbText, &ParseCssRgb, true},
    {"hsl-comma", "CSS", -1, &CssHslText, &ParseCssHsl, true},
    {"hex-digits", "Hex digits", -1, &BareHexLiteral, &ReadBareHexLiteral, false},
};

} // namespace

std::span<const RColorNotation> ColorNotations()
{
    return Notations;
}

const RColorNotation* FindColorNotation(std::string_view id)
{
    const auto found = std::find_if(std::begin(Notations), std::end(Notations),
                                    [id](const RColorNotation& notation) { return id == notation.Id; });
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

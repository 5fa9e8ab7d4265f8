// Printing a stored colour in the web's forms.
#include "colour/ColorSpaces.h"
#include "colour/CssColor.h"
#include "colour/DecimalText.h"

#include <cmath>

namespace
{

std::string Whole(double value)
{
    return DecimalText(value, 0);
}

std::string Percent(double share)
{
    return Whole(share * 100) + "%";
}

std::string Bytes(ColorValue color, const char* separator)
{
    return std::to_string(RedOfValue(color)) + separator + std::to_string(GreenOfValue(color)) + separator +
           std::to_string(BlueOfValue(color));
}

// name(a b c), built in one string: a palette prints a million.
std::string Function(const char* name, const std::string& a, const std::string& b, const std::string& c)
{
    std::string text;
    text.reserve(48);
    text += name;
    text += '(';
    text += a;
    text += ' ';
    text += b;
    text += ' ';
    text += c;
    text += ')';
    return text;
}

std::string Rectangular(const char* name, const RColorCoords& lab, RFormDecimals decimals)
{
    return Function(name, DecimalText(lab[0], decimals.First), DecimalText(lab[1], decimals.Second),
                    DecimalText(lab[2], decimals.Third));
}

// L, chroma, hue: a chroma that prints as 0 leaves the hue meaningless, and
// it prints as 0.
std::string Polar(const char* name, const RColorCoords& lch, RFormDecimals decimals)
{
    return Function(name, DecimalText(lch[0], decimals.First), DecimalText(lch[1], decimals.Second),
                    HueText(MeaningfulHue(lch[1], lch[2], decimals.Second), decimals.Third));
}

} // namespace

std::string CssRgbText(ColorValue color)
{
    return "rgb(" + Bytes(color, " ") + ")";
}

std::string CssRgbCommaText(ColorValue color)
{
    return "rgb(" + Bytes(color, ", ") + ")";
}

std::string CssHslText(ColorValue color)
{
    const RColorCoords hsl = CoordsOf(color, RColorSpace::Hsl);
    return "hsl(" + HueText(hsl[0], 0) + " " + Percent(hsl[1]) + " " + Percent(hsl[2]) + ")";
}

std::string CssHslCommaText(ColorValue color)
{
    const RColorCoords hsl = CoordsOf(color, RColorSpace::Hsl);
    return "hsl(" + HueText(hsl[0], 0) + ", " + Percent(hsl[1]) + ", " + Percent(hsl[2]) + ")";
}

std::string CssHwbText(ColorValue color)
{
    const RColorCoords hwb = CoordsOf(color, RColorSpace::Hwb);
    return "hwb(" + HueText(hwb[0], 0) + " " + Percent(hwb[1]) + " " + Percent(hwb[2]) + ")";
}

std::string HsvText(ColorValue color)
{
    const RColorCoords hsv = CoordsOf(color, RColorSpace::Hsv);
    return "hsv(" + HueText(hsv[0], 0) + ", " + Percent(hsv[1]) + ", " + Percent(hsv[2]) + ")";
}

std::string CssLabText(ColorValue color, RFormDecimals decimals)
{
    return Rectangular("lab", CoordsOf(color, RColorSpace::Lab), decimals);
}

std::string CssLchText(ColorValue color, RFormDecimals decimals)
{
    return Polar("lch", CoordsOf(color, RColorSpace::Lch), decimals);
}

std::string CssOklabText(ColorValue color, RFormDecimals decimals)
{
    return Rectangular("oklab", CoordsOf(color, RColorSpace::Oklab), decimals);
}

std::string CssOklchText(ColorValue color, RFormDecimals decimals)
{
    return Polar("oklch", CoordsOf(color, RColorSpace::Oklch), decimals);
}

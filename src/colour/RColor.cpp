#include "colour/RColor.h"

#include <algorithm>

const RHexFormat HexFormats[HexFormatCount] = {
    {"HTML", "#%02X%02X%02X"},
    {"C++", "0x00%02X%02X%02X"},
    {"Delphi", "$00%02X%02X%02X"},
    {"VB", "&H00%02X%02X%02X&"},
};

RColor::RColor(ColorValue value)
    : Red(RedOfValue(value)),
      Green(GreenOfValue(value)),
      Blue(BlueOfValue(value)),
      TopByte(static_cast<std::uint8_t>(value >> 24)),
      Hue(0.0f),
      Saturation(0.0f),
      Luminance(0.0f),
      HexFormat(0)
{
}

ColorValue RColor::GetColor() const
{
    return ColorValueOf(Red, Green, Blue) | (ColorValue{TopByte} << 24);
}

void RColor::SetColor(ColorValue value)
{
    SetRGB(RedOfValue(value), GreenOfValue(value), BlueOfValue(value));
}

int RColor::GetHue() const
{
    UpdateHSLFields();
    return ToHSLScale(Hue, HueRange);
}

int RColor::GetSat() const
{
    UpdateHSLFields();
    return ToHSLScale(Saturation, UnitRange);
}

int RColor::GetLum() const
{
    UpdateHSLFields();
    return ToHSLScale(Luminance, UnitRange);
}

void RColor::SetHexFormat(int index)
{
    HexFormat = std::clamp(index, 0, HexFormatCount - 1);
}

RString RColor::GetHexValue() const
{
    RString text;
    const char* format = HexFormats[HexFormat].Format;
    // HTML reads red first; the other notations write the value 0x00BBGGRR.
    if (HexFormat == 0)
        text.Format(format, Red, Green, Blue);
    else
        text.Format(format, Blue, Green, Red);
    return text;
}

const char* RColor::GetColorName(int index)
{
    return NamedColors[std::clamp(index, 0, NamedColorCount - 1)].Name;
}

ColorValue RColor::GetNamedColor(int index)
{
    return NamedColors[std::clamp(index, 0, NamedColorCount - 1)].Value;
}

int RColor::FindNamedColor(ColorValue value)
{
    // Linear and first match wins, so a value shared by two rows reports the
    // earlier one.
    for (int i = 0; i < NamedColorCount; ++i)
    {
        if (NamedColors[i].Value == value)
            return i;
    }
    return -1;
}

void RColor::CheckHexFormat(int& index)
{
    // Unlike SetHexFormat, which clamps, an unknown notation falls back to HTML.
    if (index < 0 || index >= HexFormatCount)
        index = 0;
}

const char* RColor::GetHexFormatString(int index)
{
    CheckHexFormat(index);
    return HexFormats[index].Format;
}

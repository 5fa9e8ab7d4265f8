#pragma once

#include "colour/ColorValue.h"
#include "colour/HSLConversion.h"
#include "text/RString.h"

#include <cstdint>

// One row of the named-colour table.
struct RNamedColor
{
    ColorValue Value;
    const char* Name;
};

// One row of the hex-notation table: the name shown in the notation list and
// a printf format taking three components.
struct RHexFormat
{
    const char* Name;
    const char* Format;
};

inline constexpr int NamedColorCount = 141;
inline constexpr int HexFormatCount = 4;

// Row 0 is "None", whose value 0x7FFFFFFF no descriptor's colour can equal;
// rows 1..140 are sorted by name, except that "Light green" precedes "Light gray".
extern const RNamedColor NamedColors[NamedColorCount];
// "HTML" prints red first; "C++", "Delphi" and "VB" print the colour value
// itself, blue first.
extern const RHexFormat HexFormats[HexFormatCount];

// A colour held as three bytes plus a hex-notation index: the one being
// edited, or the scratch colour that turns scale values into pixels.
// Hue, saturation and luminance are derived from the bytes at the start of
// every operation that reads or writes one of them; nothing of an earlier HSL
// value survives except through the bytes, so writing an HSL value can move
// the colour, and writing the value just read need not give it back.
class RColor
{
public:
    // Stores the value's four bytes, the top byte included; notation 0.
    explicit RColor(ColorValue value);

    // red + green x 256 + blue x 65536 + top byte x 16777216.
    ColorValue GetColor() const;
    // Takes the low three bytes; the descriptor's top byte stays as it is.
    void SetColor(ColorValue value);
    void SetRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    int GetRed() const { return Red; }
    int GetGrn() const { return Green; }
    int GetBlu() const { return Blue; }
    // Each stores the low 8 bits of v (300 stores 44) and converts nothing.
    void SetRed(int v) { Red = static_cast<std::uint8_t>(v); }
    void SetGrn(int v) { Green = static_cast<std::uint8_t>(v); }
    void SetBlu(int v) { Blue = static_cast<std::uint8_t>(v); }

    // Hue, saturation or luminance on the 0..239 scale, truncated.
    int GetHue() const;
    int GetSat() const;
    int GetLum() const;
    // Replace one of hue, saturation or luminance (index clamped to 0..239)
    // and derive the bytes again from the three.
    void SetHue(int index);
    void SetSat(int index);
    void SetLum(int index);
    // SetHue, then SetSat, then SetLum: each starts from the bytes the previous
    // one left, so the result depends on the colour before the call.
    void SetHSL(int hue, int saturation, int luminance);

    // The notation index, clamped to 0..3.
    void SetHexFormat(int index);
    int GetHexFormat() const { return HexFormat; }
    // The colour as a literal in the current notation, two upper-case hex
    // digits a component.
    RString GetHexValue() const;

    // Row i of the named colours, i clamped to 0..140.
    static const char* GetColorName(int index);
    static ColorValue GetNamedColor(int index);
    // The first row whose value equals all 32 bits of value; -1 when none does.
    // Cyan is therefore "Aqua" (3) and magenta "Fuchsia" (46).
    static int FindNamedColor(ColorValue value);
    // Sets an index outside 0..3 to 0 and leaves one inside as it is.
    static void CheckHexFormat(int& index);
    // The printf format of notation i, after CheckHexFormat.
    static const char* GetHexFormatString(int index);

private:
    // Derive the scratch fields from the bytes, and the bytes from them.
    void UpdateHSLFields() const;
    void UpdateRGBFields();

    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;
    std::uint8_t TopByte; // set by the constructor only
    // Scratch for the conversions: overwritten before every use, never read
    // across operations, so reading HSL leaves the colour logically unchanged.
    mutable float Hue;
    mutable float Saturation;
    mutable float Luminance;
    std::int32_t HexFormat;
};

// The writes are inline because drawing the plane and the bar calls SetHSL for
// every pixel, and each pixel's colour waits for the one drawn before it.

inline void RColor::UpdateHSLFields() const
{
    const HSLTriple hsl = UpdateHSL(Red, Green, Blue);
    Hue = hsl.Hue;
    Saturation = hsl.Saturation;
    Luminance = hsl.Luminance;
}

inline void RColor::UpdateRGBFields()
{
    const RGBTriple rgb = UpdateRGB(Hue, Saturation, Luminance);
    SetRGB(rgb.Red, rgb.Green, rgb.Blue);
}

inline void RColor::SetRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    Red = red;
    Green = green;
    Blue = blue;
}

inline void RColor::SetHue(int index)
{
    UpdateHSLFields();
    Hue = FromHSLScale(index, HueRange);
    UpdateRGBFields();
}

inline void RColor::SetSat(int index)
{
    UpdateHSLFields();
    Saturation = FromHSLScale(index, UnitRange);
    UpdateRGBFields();
}

inline void RColor::SetLum(int index)
{
    UpdateHSLFields();
    Luminance = FromHSLScale(index, UnitRange);
    UpdateRGBFields();
}

inline void RColor::SetHSL(int hue, int saturation, int luminance)
{
    SetHue(hue);
    SetSat(saturation);
    SetLum(luminance);
}

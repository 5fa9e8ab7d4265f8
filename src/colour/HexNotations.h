#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

// The hexadecimal literals: the window's four notations and the bare digits
// design tools paste. Each is printed with two upper-case digits a
// component and read in either case.

// byte as two hex digits, upper or lower case, after text.
void AppendHexByte(std::string& text, std::uint8_t byte, bool upper = true);

// colour as notation hexFormat (0..3, outside taken as 0) prints it.
std::string HexLiteral(ColorValue color, int hexFormat);

// "#rrggbb" in lower case, as style sheets and design tools write it.
std::string CssHexText(ColorValue color);

// "#RRGGBB", or "#RGB" with each digit doubled, red first; also with an
// alpha after them ("#RRGGBBAA", "#RGBA"), read and ignored.
std::optional<ColorValue> ReadHtmlLiteral(std::string_view text);
// "0x" and digits: eight whose top two are 0 are the colour value itself,
// blue first (0x00BBGGRR, as the C++ notation prints it); any other eight
// are 0xAARRGGBB and six are 0xRRGGBB, red first, as JavaScript, Python and
// Android code write colours.
std::optional<ColorValue> ReadCppLiteral(std::string_view text);
// The colour value itself after its mark ("$", "&H" ... "&"), blue first:
// six digits, or eight whose top two are 0.
std::optional<ColorValue> ReadDelphiLiteral(std::string_view text);
std::optional<ColorValue> ReadVbLiteral(std::string_view text);

// The six digits alone, red first, as design tools copy and paste them:
// "FF0000". It bears no mark, so digits typed into a box never read as it.
std::string BareHexLiteral(ColorValue color);
std::optional<ColorValue> ReadBareHexLiteral(std::string_view text);

#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

// Colours as style sheets write them, read and printed.
//
// Read: everything the web's colour syntax can say about an opaque colour,
// names and letters in any case: rgb() and rgba(), hsl() and hsla() with
// commas or spaces, hwb(), lab(), lch(), oklab(), oklch() and color() in
// the spaces srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020,
// xyz, xyz-d50 and xyz-d65; numbers with a sign, a fraction and an exponent,
// percentages, hue angles in deg, grad, rad or turn, "none", and "/ alpha"
// (or a fourth value after a comma), which is read and ignored: the program
// keeps opaque colours. Also the designers' hsv(h, s%, v%). Values beyond a
// form's range are clamped where the syntax clamps them; a colour beyond
// sRGB is brought into it (GamutMapping.h) and rounded to 8 bits.
std::optional<ColorValue> ReadCssFunction(std::string_view text);
// Why text (a function, or something that looks like one) is no colour:
// one line, for people. Empty when it is one.
std::string CssFunctionRefusal(std::string_view text);

// The printed forms, each from the exact 8-bit colour.
std::string CssRgbText(ColorValue color);      // rgb(255 99 71)
std::string CssRgbCommaText(ColorValue color); // rgb(255, 99, 71)
// The cylinder forms in whole degrees and percents, each rounded to the
// nearest (so a hue of 359.6 prints as 0): made for reading, not for exact
// round trips.
std::string CssHslText(ColorValue color);      // hsl(9 100% 64%)
std::string CssHslCommaText(ColorValue color); // hsl(9, 100%, 64%)
std::string CssHwbText(ColorValue color);      // hwb(9 28% 0%)
std::string HsvText(ColorValue color);         // hsv(9, 72%, 100%)

// How many decimals each of a form's three numbers is printed with, at
// most: trailing zeros are dropped.
struct RFormDecimals
{
    int First, Second, Third;
};
// The fewest with which every one of the 2^24 colours reads back to itself
// (a sweep in the tests proves both that they do and that one fewer in any
// place would not).
inline constexpr RFormDecimals LabDecimals{2, 2, 2};
inline constexpr RFormDecimals LchDecimals{2, 2, 2};
inline constexpr RFormDecimals OklabDecimals{4, 5, 5};
inline constexpr RFormDecimals OklchDecimals{4, 5, 2};
// Lab and LCh with L 0..100, OKLab and OKLCh with L 0..1. A hue whose chroma
// prints as 0 means nothing and prints as 0; no hue prints as 360.
std::string CssLabText(ColorValue color, RFormDecimals decimals = LabDecimals);
std::string CssLchText(ColorValue color, RFormDecimals decimals = LchDecimals);
std::string CssOklabText(ColorValue color, RFormDecimals decimals = OklabDecimals);
std::string CssOklchText(ColorValue color, RFormDecimals decimals = OklchDecimals);

#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

// The functional forms style sheets write colours in, comma-separated:
//   "rgb(r, g, b)" and "rgba(r, g, b, a)", whole numbers 0-255;
//   "hsl(h, s%, l%)" and "hsla(h, s%, l%, a)", the hue in degrees (any
//   number, "deg" allowed, taken round the circle), saturation and
//   lightness as percentages 0-100.
// The alpha, a number 0-1 or a percentage, must be well formed but is
// ignored: the program keeps opaque colours. Names and spaces before "("
// are read without regard to case. Empty for anything else.
std::optional<ColorValue> ParseCssFunction(std::string_view text);
// The same, for the rgb() and rgba() forms alone, or the hsl() and hsla() ones.
std::optional<ColorValue> ParseCssRgb(std::string_view text);
std::optional<ColorValue> ParseCssHsl(std::string_view text);

// "rgb(r, g, b)".
std::string CssRgbText(ColorValue color);
// "hsl(h, s%, l%)" from the colour's exact components, each rounded to the
// nearest whole degree or percent (so a hue of 359.6 prints as 0).
std::string CssHslText(ColorValue color);

#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string_view>

// The web's 148 colour names with the colours style sheets give them, in
// alphabetical order ("rebeccapurple" and the "grey" spellings included).
// Where the window's own list spells a name otherwise, the list keeps its
// own colours ("Dark sea green" is #8FBC8B there, "darkseagreen" #8FBC8F
// here).
struct RCssNamedColor
{
    const char* Name;
    ColorValue Value;
};

inline constexpr int CssNamedColorCount = 148;
extern const RCssNamedColor CssNamedColors[CssNamedColorCount];

// The colour of a name spelled as style sheets spell it, in any case.
std::optional<ColorValue> CssNamedColor(std::string_view name);

// The name whose colour lies nearest to color in OKLab, where distances
// follow what the eye sees; the first in the list of two with one colour.
struct RNearestName
{
    const char* Name;
    bool Exact; // color is that name's colour
};
RNearestName NearestCssName(ColorValue color);

#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>

// Colours written as text, as people copy them between programs. A text
// names a colour, space around it ignored, when it is
//   any form of the notation table (ColorNotation.h): the window's four
//   notations as printed, in either case ("0x0000000F", "&H0000000F&");
//   "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA"; "0xRRGGBB" and "0xAARRGGBB";
//   every CSS colour function (CssColor.h) and hsv(); six bare hex digits;
//   one of the web's 148 colour names spelled as style sheets spell it
//   ("darkseagreen"), in any case;
//   one of the window's 140 names, in any case, with or without its spaces
//   and hyphens ("Alice Blue", "alice-blue"), where it means the list's own
//   colour.

// The colour text names, or why it names none (one line, for people).
struct RColorReading
{
    std::optional<ColorValue> Color;
    std::string Refusal;
};
RColorReading ReadColorText(std::string_view text);

// The colour text names; false for anything else, with color untouched.
bool ParseColorText(std::string_view text, ColorValue& color);
// The same, but only for a text that bears a form's mark or is a name: a
// text pasted into a number box, where a run of digits is a number.
bool ParseMarkedColorText(std::string_view text, ColorValue& color);

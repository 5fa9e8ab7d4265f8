#pragma once

#include "colour/ColorValue.h"

#include <string>
#include <string_view>

// Colours written as text, as people copy them between programs.

// The colour text names, space around it ignored:
//   each notation's literal as the program prints it ("#0F0000",
//   "0x0000000F", "$0000000F", "&H0000000F&"), in either case, and with the
//   top byte's two digits left out ("0x00000F"); where they are there, they
//   must be 00;
//   "#RGB", each digit doubled;
//   the style sheets' "rgb(r, g, b)", "rgba(r, g, b, a)", "hsl(h, s%, l%)"
//   and "hsla(h, s%, l%, a)" (CssColor.h), spaces optional;
//   one of the 140 named colours, in any case, with or without its spaces
//   and hyphens ("Alice Blue", "aliceblue").
// Every form of the notation table (ColorNotation.h) that reads back.
// False for anything else, with color untouched.
bool ParseColorText(std::string_view text, ColorValue& color);
// The same, but only for a text that bears a form's mark or is a name: a
// text pasted into a number box, where a run of digits is a number.
bool ParseMarkedColorText(std::string_view text, ColorValue& color);

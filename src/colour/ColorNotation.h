#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One way of writing a colour as text. Everything that prints or reads a
// colour (the window's notation list, the swatch's menu, the clipboard,
// the loupe, the command line) works from the one table of them, so a new
// form is one row here.
struct RColorNotation
{
    // Its name on the command line and in the settings: "html", "rgb-comma".
    const char* Id;
    // What the menus call it: "HTML", "CSS".
    const char* Label;
    // Its place in the window's notation list, which is also the settings
    // file's "HexFormat" value; -1 for a form offered only for copying.
    int HexFormat;
    // The colour's text in this form.
    std::string (*Print)(ColorValue color);
    // The colour of a text in this form (trimmed), nothing for any other
    // text; null where the form does not read back.
    std::optional<ColorValue> (*Read)(std::string_view text);
    // Whether its text bears a mark that digits typed into a box never do
    // ("#", "0x", a function's name): such a text pasted into a box means a
    // colour, a plain run of digits means digits.
    bool Marked;
    // Whether the swatch's menu offers a copy in it at its top level; every
    // form is in its "Copy As" submenu.
    bool InSwatchMenu;
};

// The web's "#RRGGBB", the window's first notation.
inline constexpr int HtmlHexFormat = 0;

// Every form, the window's notations first in their list's order.
std::span<const RColorNotation> ColorNotations();
// The form with id (in any case); null when there is none.
const RColorNotation* FindColorNotation(std::string_view id);
// The window's notation hexFormat; outside the list, the first.
const RColorNotation& WindowNotation(int hexFormat);

// The window's notation list, in its order: "HTML", "C++", "Delphi", "VB".
std::vector<const char*> WindowNotationLabels();

// color's literal in a form: the one way any part of the program prints one.
std::string LiteralOf(ColorValue color, const RColorNotation& notation);
// ... in the window's notation hexFormat (0..3; outside, the first).
std::string LiteralOf(ColorValue color, int hexFormat);

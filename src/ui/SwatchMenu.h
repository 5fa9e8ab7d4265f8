#pragma once

#include "colour/ColorValue.h"

#include <string>
#include <vector>

// The swatch's context menu: a copy of the colour in every notation and in
// the style sheets' two forms, then Paste, then the recent colours. Both
// window layers show these entries.
struct RSwatchMenuEntry
{
    // As a menu takes it: an ampersand that stands for itself is doubled,
    // since a single one marks the access key ("&H0000000F&" in VB).
    std::string Label;
    // What the entry copies; empty for Paste.
    std::string Text;
};

std::vector<RSwatchMenuEntry> SwatchMenuEntries(ColorValue color);

inline constexpr const char* RecentColorsMenuTitle = "Recent Colors";

// One recent colour: its literal in the current notation, as a label.
struct RRecentMenuEntry
{
    std::string Label;
    ColorValue Color;
};

std::vector<RRecentMenuEntry> RecentMenuEntries(const std::vector<ColorValue>& colors, int hexFormat);

// The swatch's tooltip: the colour's contrast against white and against
// black, each with the level of the web's accessibility guidelines it
// reaches for normal text.
std::string SwatchToolTip(ColorValue color);

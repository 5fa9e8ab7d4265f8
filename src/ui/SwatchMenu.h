#pragma once

#include "colour/ColorValue.h"

#include <string>
#include <vector>

// The swatch's context menu: a copy of the colour in every notation and in
// the style-sheet form, then Paste. Both window layers show these entries.
struct RSwatchMenuEntry
{
    // As a menu takes it: an ampersand that stands for itself is doubled,
    // since a single one marks the access key ("&H0000000F&" in VB).
    std::string Label;
    // What the entry copies; empty for Paste.
    std::string Text;
};

std::vector<RSwatchMenuEntry> SwatchMenuEntries(ColorValue color);

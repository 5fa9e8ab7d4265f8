// The About box's controls. Every panel keeps a raised one-pixel bevel.
#include "ui/FormLayout.h"

#include "colour/Contrast.h"

namespace
{

using enum RControlKind;

constexpr unsigned CentredLabel = StyleCentred;
constexpr unsigned Link = StyleCentred | StyleHandCursor;

constexpr RControlLayout AboutDlgControls[] = {
    {"SidePanel", Panel, nullptr, 0, 0, 48, 188, "", -1, StyleWhite | StyleRaised},
    // Hidden until an icon is given.
    {"IconImage", Image, "SidePanel", 8, 7, 32, 32, "", -1, StyleHidden},
    {"Panel2", Panel, nullptr, 48, 0, 349, 188, "", 0, StyleRaised},
    {"Panel4", Panel, "Panel2", 1, 1, 347, 150, "", -1, StyleRaised},
    {"Panel3", Panel, "Panel2", 1, 151, 347, 36, "", 0, StyleRaised},
    // The only tab stop; neither the default nor the cancel button.
    {"OkBtn", Button, "Panel3", 136, 6, 75, 25, "&OK", 0},
    {"AppNameLabel", Label, "Panel4", 9, 9, 329, 13, "", -1, CentredLabel},
    {"VersionLabel", Label, "Panel4", 9, 26, 329, 13, "", -1, CentredLabel},
    {"CopyrightLabel", Label, "Panel4", 9, 45, 329, 13, "", -1, CentredLabel},
    {"RightsLabel", Label, "Panel4", 9, 62, 329, 13, "All rights reserved.", -1, CentredLabel},
    {"QLFormatToolsLabel", Label, "Panel4", 9, 84, 329, 13, "", -1, CentredLabel},
    {"WebSupportLabel", Label, "Panel4", 9, 109, 329, 13, "", -1, Link},
    {"EmailSupportLabel", Label, "Panel4", 9, 127, 329, 13, "", -1, Link},
};

// The caption until the box is shown, when the product's name joins it.
constexpr RFormLayout AboutDlg{"QLAboutDlg", "About", 397, 188, AboutDlgControls};

} // namespace

const RFormLayout& AboutDlgLayout()
{
    return AboutDlg;
}

ColorValue AboutLinkColor(bool followed, ColorValue background)
{
    const ColorValue wanted = followed ? ColorValueOf(255, 0, 0) : ColorValueOf(0, 0, 255);
    return ReadableOn(wanted, background);
}

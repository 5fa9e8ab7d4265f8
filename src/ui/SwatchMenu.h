#pragma once

#include "colour/ColorValue.h"

#include <string>
#include <vector>

struct RUserFormat;

// The swatch's context menu: a copy of the colour in every notation and in
// the style sheets' two forms, then Paste, then the recent colours. Both
// window layers show these entries. Every entry has an access key of its
// own within its menu, marked by a single ampersand; an ampersand that
// stands for itself is doubled ("&H0000000F&" in VB). A copy's key is the
// first letter or digit of its form's name still free, else of its text;
// the entries of Copy As and Recent Colors are numbered 1 to 9, 0, then
// lettered, since their texts begin alike.
struct RSwatchMenuEntry
{
    // As a menu takes it.
    std::string Label;
    // What the entry copies; empty for Paste.
    std::string Text;
};

std::vector<RSwatchMenuEntry> SwatchMenuEntries(ColorValue color);

// The "Copy As" submenu after Paste: every built-in form, then the user's
// own, each showing the colour's text in it and the form's name; last,
// "Edit Formats…", which opens the user's forms in the desktop's editor.
inline constexpr const char* CopyAsMenuTitle = "Copy &As";
inline constexpr const char* EditFormatsMenuText = "&Edit Formats\u2026";
struct RCopyAsEntry
{
    // The text as a menu takes it, then a tab and the form's name.
    std::string Label;
    // What the entry copies; empty for Edit Formats and a broken form.
    std::string Text;
    // Edit Formats, not a copy.
    bool EditsFormats = false;
    // A user's form that cannot be read is shown greyed, ToolTip saying why
    // (line and column); LabelWithReason is the label with the reason after
    // the name, for menus that show no tooltips.
    bool Enabled = true;
    std::string ToolTip;
    std::string LabelWithReason;
};
std::vector<RCopyAsEntry> CopyAsMenuEntries(ColorValue color, const std::vector<RUserFormat>& userFormats);

inline constexpr const char* RecentColorsMenuTitle = "&Recent Colors";
// The last entry of the recent colours' submenu, after a separator.
inline constexpr const char* ClearRecentColorsMenuText = "&Clear Recent Colors";
inline constexpr const char* PasteMenuText = "&Paste";

// One recent colour: its literal in the current notation, as a label.
struct RRecentMenuEntry
{
    std::string Label;
    ColorValue Color;
};

std::vector<RRecentMenuEntry> RecentMenuEntries(const std::vector<ColorValue>& colors, int hexFormat);

// The swatch's tooltip: the colour's contrast against white and against
// black, each with the highest level of the web's accessibility guidelines
// it reaches (AAA, AA, AA for large text and interface parts), and the nearest of the web's colour names, for
// those who cannot tell colours apart by sight.
std::string SwatchToolTip(ColorValue color);

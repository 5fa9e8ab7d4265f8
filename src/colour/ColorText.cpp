#include "colour/ColorText.h"

#include "colour/ColorNotation.h"
#include "colour/CssColor.h"
#include "colour/CssNamedColors.h"
#include "colour/RColor.h"
#include "colour/TextScan.h"

#include <algorithm>
#include <array>

namespace
{

// A name compared without case, spaces and hyphens.
std::string Folded(std::string_view name)
{
    std::string folded;
    for (const char c : name)
        if (c != ' ' && c != '-')
            folded += LowerCase(c);
    return folded;
}

std::optional<ColorValue> WindowNamed(std::string_view text)
{
    // The list's names folded once: a palette of names reads them a million times.
    static const std::array<std::string, NamedColorCount> folded = []
    {
        std::array<std::string, NamedColorCount> names;
        for (int i = 0; i < NamedColorCount; ++i)
            names[i] = Folded(NamedColors[i].Name);
        return names;
    }();
    if (text.size() > 40)
        return std::nullopt;
    const std::string wanted = Folded(text);
    if (wanted.empty())
        return std::nullopt;
    // Row 0, "None", names no colour.
    for (int i = 1; i < NamedColorCount; ++i)
        if (folded[i] == wanted)
            return NamedColors[i].Value;
    return std::nullopt;
}

// The first form that reads text (each reader tried once, however many
// forms share it); then the names, which bear their own mark: the web's
// spelling first, so "darkseagreen" is the web's colour.
std::optional<ColorValue> Parsed(std::string_view text, bool markedOnly)
{
    text = TrimmedText(text);
    if (text.empty())
        return std::nullopt;
    std::array<decltype(RColorNotation::Read), 16> tried{};
    std::size_t triedCount = 0;
    for (const RColorNotation& notation : ColorNotations())
    {
        if (notation.Read == nullptr || (markedOnly && !notation.Marked) ||
            std::find(tried.begin(), tried.begin() + triedCount, notation.Read) != tried.begin() + triedCount)
            continue;
        if (triedCount < tried.size())
            tried[triedCount++] = notation.Read;
        if (const auto color = notation.Read(text))
            return color;
    }
    if (const auto color = CssNamedColor(text))
        return color;
    return WindowNamed(text);
}

// Keywords of the web's syntax that stand for no colour of their own.
constexpr const char* SystemColors[] = {
    "accentcolor", "accentcolortext", "activetext", "buttonborder", "buttonface", "buttontext", "canvas",
    "canvastext", "field", "fieldtext", "graytext", "highlight", "highlighttext", "linktext", "mark",
    "marktext", "selecteditem", "selecteditemtext", "visitedtext", "activeborder", "activecaption",
    "appworkspace", "background", "buttonhighlight", "buttonshadow", "captiontext", "inactiveborder",
    "inactivecaption", "inactivecaptiontext", "infobackground", "infotext", "menu", "menutext", "scrollbar",
    "threeddarkshadow", "threedface", "threedhighlight", "threedlightshadow", "threedshadow", "window",
    "windowframe", "windowtext"};

std::string Refusal(std::string_view text)
{
    text = TrimmedText(text);
    if (text.empty())
        return "no colour: the text is empty";
    const std::string quoted = QuotedForMessage(text);
    if (EqualsNoCase(text, "transparent"))
        return quoted + " has no colour: Tintwell keeps opaque colours";
    if (EqualsNoCase(text, "currentcolor"))
        return quoted + " is the colour of the text where it is used: no colour of its own";
    for (const char* system : SystemColors)
        if (EqualsNoCase(text, system))
            return quoted + " is a system colour: it depends on the desktop's theme";
    if (text.find('(') != std::string_view::npos)
        return CssFunctionRefusal(text);
    if (text.front() == '#')
        return quoted + " needs 3, 4, 6 or 8 hex digits after '#'";
    if (StartsWithNoCase(text, "0x"))
        return quoted + " needs 6 or 8 hex digits after '0x'";
    if (text.front() == '$' || StartsWithNoCase(text, "&h"))
        return quoted + " needs 6 hex digits, or 8 starting 00";
    return quoted + " is no colour name, hex value or colour function Tintwell knows";
}

} // namespace

RColorReading ReadColorText(std::string_view text)
{
    if (const auto color = Parsed(text, false))
        return {color, {}};
    return {std::nullopt, Refusal(text)};
}

bool ParseColorText(std::string_view text, ColorValue& color)
{
    const auto parsed = Parsed(text, false);
    if (parsed)
        color = *parsed;
    return parsed.has_value();
}

bool ParseMarkedColorText(std::string_view text, ColorValue& color)
{
    const auto parsed = Parsed(text, true);
    if (parsed)
        color = *parsed;
    return parsed.has_value();
}

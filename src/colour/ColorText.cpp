#include "colour/ColorText.h"

#include "colour/ColorNotation.h"
#include "colour/RColor.h"
#include "colour/TextScan.h"

#include <optional>

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

std::optional<ColorValue> Named(std::string_view text)
{
    const std::string wanted = Folded(text);
    if (wanted.empty())
        return std::nullopt;
    // Row 0, "None", names no colour.
    for (int i = 1; i < NamedColorCount; ++i)
        if (Folded(NamedColors[i].Name) == wanted)
            return NamedColors[i].Value;
    return std::nullopt;
}

// The first form that reads text; then the names, which bear their own mark.
bool Parsed(std::string_view text, bool markedOnly, ColorValue& color)
{
    text = TrimmedText(text);
    if (text.empty())
        return false;
    std::optional<ColorValue> parsed;
    for (const RColorNotation& notation : ColorNotations())
        if (notation.Read != nullptr && (notation.Marked || !markedOnly))
            if ((parsed = notation.Read(text)))
                break;
    if (!parsed)
        parsed = Named(text);
    if (!parsed)
        return false;
    color = *parsed;
    return true;
}

} // namespace

bool ParseColorText(std::string_view text, ColorValue& color)
{
    return Parsed(text, false, color);
}

bool ParseMarkedColorText(std::string_view text, ColorValue& color)
{
    return Parsed(text, true, color);
}

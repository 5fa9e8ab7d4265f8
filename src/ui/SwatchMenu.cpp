#include "ui/SwatchMenu.h"

#include "colour/ColorNotation.h"
#include "colour/Contrast.h"
#include "colour/CssNamedColors.h"
#include "settings/UserFormats.h"

#include <cctype>
#include <cmath>

namespace
{

// text as a menu takes it, the character at keyAt (if any) its access key.
std::string MenuText(const std::string& text, std::size_t keyAt = std::string::npos)
{
    std::string marked;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (i == keyAt || text[i] == '&')
            marked += '&';
        marked += text[i];
    }
    return marked;
}

// Where in text the first letter or digit not in taken stands; it is taken
// then.
std::size_t FreeKey(const std::string& text, std::string& taken)
{
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c) && c < 0x80 && taken.find(static_cast<char>(std::tolower(c))) == std::string::npos)
        {
            taken += static_cast<char>(std::tolower(c));
            return i;
        }
    }
    return std::string::npos;
}

RSwatchMenuEntry CopyEntry(const std::string& text, const std::string& form, std::string& taken)
{
    const std::size_t inForm = FreeKey(form, taken);
    const std::size_t inText = inForm == std::string::npos ? FreeKey(text, taken) : std::string::npos;
    return {"Copy " + MenuText(text, inText) + "  (" + MenuText(form, inForm) + ")", text};
}

// The keys of the numbered lists; e and c are left to Edit Formats and
// Clear Recent Colors, which end those lists.
constexpr const char ListKeys[] = "1234567890abdfghijklmnopqrstuvwxyz";

std::string Numbered(std::size_t index, const std::string& label)
{
    if (index + 1 >= sizeof ListKeys)
        return label;
    return std::string("&") + ListKeys[index] + "  " + label;
}

// The ratio cut (not rounded) to two decimals, always both, so that a ratio
// short of a level never prints as the level itself ("4.49:1", not "4.5:1")
// and ratios line up when compared.
std::string RatioText(double ratio)
{
    const long hundredths = static_cast<long>(std::floor(ratio * 100 + 1e-9));
    const long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + '.' + char('0' + fraction / 10) + char('0' + fraction % 10) + ":1";
}

// The highest level reached: 7:1 and 4.5:1 for normal text, 3:1 for large
// text and for the parts of an interface (borders, icons, focus marks),
// which is what most colours near 3:1 are checked for.
const char* ContrastLevel(double ratio)
{
    if (ratio >= 7)
        return "AAA";
    if (ratio >= 4.5)
        return "AA";
    if (ratio >= 3)
        return "AA large text / UI";
    return "below AA";
}

std::string ContrastLine(const char* against, double ratio)
{
    return std::string("Contrast with ") + against + ": " + RatioText(ratio) + " (" + ContrastLevel(ratio) + ")";
}

} // namespace

std::vector<RSwatchMenuEntry> SwatchMenuEntries(ColorValue color)
{
    std::vector<RSwatchMenuEntry> entries;
    // Paste, Copy As and Recent Colors keep their keys.
    std::string taken = "par";
    for (const RColorNotation& notation : ColorNotations())
        if (notation.InSwatchMenu)
            entries.push_back(CopyEntry(LiteralOf(color, notation), notation.Label, taken));
    entries.push_back({PasteMenuText, ""});
    return entries;
}

std::vector<RCopyAsEntry> CopyAsMenuEntries(ColorValue color, const std::vector<RUserFormat>& userFormats)
{
    std::vector<RCopyAsEntry> entries;
    auto copy = [&entries](const std::string& text, const std::string& name)
    {
        const std::string label = Numbered(entries.size(), MenuText(text)) + "\t" + MenuText(name);
        entries.push_back({label, text, false, true, {}, label});
    };
    for (const RColorNotation& notation : ColorNotations())
        copy(LiteralOf(color, notation), notation.Id);
    for (const RUserFormat& form : userFormats)
    {
        if (form.Template)
            copy(form.Template->Print(color), form.Name);
        else
        {
            const std::string name =
                Numbered(entries.size(), MenuText(form.Name.empty() ? "(no name)" : form.Name));
            entries.push_back({name, {}, false, false, form.Problem, name + "\t" + MenuText(form.Problem)});
        }
    }
    entries.push_back({EditFormatsMenuText, {}, true, true, {}, EditFormatsMenuText});
    return entries;
}

std::vector<RRecentMenuEntry> RecentMenuEntries(const std::vector<ColorValue>& colors, int hexFormat)
{
    std::vector<RRecentMenuEntry> entries;
    for (const ColorValue color : colors)
        entries.push_back({Numbered(entries.size(), MenuText(LiteralOf(color, hexFormat))), color});
    return entries;
}

std::string SwatchToolTip(ColorValue color)
{
    const RNearestName nearest = NearestCssName(color);
    return ContrastLine("white", ContrastRatio(color, ColorValueOf(255, 255, 255))) + "\n" +
           ContrastLine("black", ContrastRatio(color, 0)) + "\nNearest name: " + nearest.Name +
           (nearest.Exact ? " (exact)" : "");
}

#include "ui/SwatchMenu.h"

#include "colour/ColorText.h"
#include "colour/RColor.h"

namespace
{

std::string MenuText(const std::string& text)
{
    std::string doubled;
    for (char c : text)
    {
        doubled += c;
        if (c == '&')
            doubled += '&';
    }
    return doubled;
}

RSwatchMenuEntry CopyEntry(const std::string& text, const char* form)
{
    return {MenuText("Copy " + text + "  (" + form + ")"), text};
}

} // namespace

std::vector<RSwatchMenuEntry> SwatchMenuEntries(ColorValue color)
{
    std::vector<RSwatchMenuEntry> entries;
    for (int format = 0; format < HexFormatCount; ++format)
    {
        RColor printed(color);
        printed.SetHexFormat(format);
        entries.push_back(CopyEntry(printed.GetHexValue().Text(), HexFormats[format].Name));
    }
    entries.push_back(CopyEntry(CssRgbText(color), "CSS"));
    entries.push_back({"Paste", ""});
    return entries;
}

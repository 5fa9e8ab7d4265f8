#include "ui/RecentColors.h"

#include "colour/ColorNotation.h"
#include "colour/HexNotations.h"
#include "settings/RAppReg.h"

#include <algorithm>

namespace
{

constexpr std::size_t EntryLength = 7; // "#RRGGBB"

// Exactly what Text writes: the web's literal of the colour it reads as.
bool ReadEntry(std::string_view entry, ColorValue& color)
{
    const auto read = ReadHtmlLiteral(entry);
    if (!read || LiteralOf(*read, HtmlHexFormat) != entry)
        return false;
    color = *read;
    return true;
}

// Selects the history's section and puts the caller's back when it ends.
class RSectionSwitch
{
public:
    explicit RSectionSwitch(RAppReg& store) : Store(store), Previous(store.GetSectionPath())
    {
        Store.SetSection(RecentColorsSection);
    }
    ~RSectionSwitch()
    {
        // An empty path means "Default" to SetSection; "|" names the profile.
        Store.SetSection(Previous.Length() == 0 ? RString("|") : Previous);
    }
    RSectionSwitch(const RSectionSwitch&) = delete;
    RSectionSwitch& operator=(const RSectionSwitch&) = delete;

private:
    RAppReg& Store;
    RString Previous;
};

} // namespace

void RRecentColors::Take(ColorValue color)
{
    color &= 0xFFFFFF;
    const auto known = std::find(TheColors.begin(), TheColors.end(), color);
    if (known != TheColors.end())
        TheColors.erase(known);
    TheColors.insert(TheColors.begin(), color);
    if (TheColors.size() > Capacity)
        TheColors.resize(Capacity);
}

std::string RRecentColors::Text() const
{
    std::string text;
    for (const ColorValue color : TheColors)
    {
        if (!text.empty())
            text += ' ';
        text += LiteralOf(color, HtmlHexFormat);
    }
    return text;
}

bool RRecentColors::SetText(std::string_view text)
{
    TheColors.clear();
    std::vector<ColorValue> colors;
    while (!text.empty())
    {
        ColorValue color = 0;
        if (colors.size() == Capacity || !ReadEntry(text.substr(0, EntryLength), color) ||
            std::find(colors.begin(), colors.end(), color) != colors.end())
            return false;
        colors.push_back(color);
        text.remove_prefix(std::min(text.size(), EntryLength));
        if (!text.empty())
        {
            // One space between entries, and none after the last.
            if (text.front() != ' ' || text.size() == 1)
                return false;
            text.remove_prefix(1);
        }
    }
    TheColors = std::move(colors);
    return true;
}

void LoadRecentColors(RAppReg& store, RRecentColors& recent)
{
    const RSectionSwitch section(store);
    recent.SetText(store.ReadString(RecentColorsValue, "").Text());
}

void SaveRecentColors(RAppReg& store, const RRecentColors& recent)
{
    const RSectionSwitch section(store);
    if (recent.Colors().empty() && store.ReadString(RecentColorsValue, "").IsEmpty())
        return;
    store.WriteString(RecentColorsValue, recent.Text().c_str());
}

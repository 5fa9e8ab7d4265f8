#include "ui/RecentColors.h"

#include "settings/RAppReg.h"

#include <algorithm>
#include <cstdio>

namespace
{

constexpr std::size_t EntryLength = 7; // "#RRGGBB"

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ReadEntry(std::string_view entry, ColorValue& color)
{
    if (entry.size() != EntryLength || entry.front() != '#')
        return false;
    std::uint32_t rgb = 0;
    for (const char c : entry.substr(1))
    {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    color = ColorValueOf(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                         static_cast<std::uint8_t>(rgb));
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
        char entry[EntryLength + 1];
        std::snprintf(entry, sizeof entry, "#%02X%02X%02X", RedOfValue(color), GreenOfValue(color),
                      BlueOfValue(color));
        if (!text.empty())
            text += ' ';
        text += entry;
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
    if (recent.Colors().empty())
        return;
    const RSectionSwitch section(store);
    store.WriteString(RecentColorsValue, recent.Text().c_str());
}

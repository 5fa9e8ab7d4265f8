#pragma once

#include "colour/ColorValue.h"
#include "text/RString.h"

#include <string>
#include <string_view>
#include <vector>

class RAppReg;

// The last distinct colours the user took (a sample from the screen, the
// colour dialog's answer, a paste, a choice from this list), newest first.
// Moving through the boxes or the plane takes nothing: only what the user
// picked up whole is worth offering again.
class RRecentColors
{
public:
    static constexpr std::size_t Capacity = 16;

    // color (its low three bytes) goes to the front; an equal colour further
    // back is dropped, and the oldest when there are more than Capacity.
    void Take(ColorValue color);
    void Clear() { TheColors.clear(); }
    const std::vector<ColorValue>& Colors() const { return TheColors; }

    // "#RRGGBB" per colour, newest first, one space between.
    std::string Text() const;
    // Reads what Text wrote. Anything else (damage, a stranger's edit, more
    // than Capacity colours, one twice) leaves the history empty and is
    // false: a history is not worth guessing at.
    bool SetText(std::string_view text);

private:
    std::vector<ColorValue> TheColors;
};

// Kept in a section of its own, apart from the window's and the options'
// values, which stay as they have always been written.
inline constexpr const char* RecentColorsSection = "Recent";
inline constexpr const char* RecentColorsValue = "Colors";

// Reads the history from store; the store's current section is put back.
void LoadRecentColors(RAppReg& store, RRecentColors& recent);
// Writes it; an empty history only over one the file holds (a cleared one
// must not come back), so that a user who never took a colour keeps the
// file as it was.
void SaveRecentColors(RAppReg& store, const RRecentColors& recent);

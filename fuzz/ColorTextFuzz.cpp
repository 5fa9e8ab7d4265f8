// Any text at all as the clipboard's colour. Reading must not crash or hang;
// a colour it accepts is an RGB colour (top byte 0) that every notation
// prints and reads back unchanged, and whose hsl() text reads back within
// its rounding.
#include "colour/ColorText.h"
#include "colour/CssColor.h"
#include "colour/RColor.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ColorValue color = 0xFF000000;
    if (!ParseColorText(text, color))
    {
        if (color != 0xFF000000)
            std::abort(); // refused, yet changed
        return 0;
    }
    if ((color >> 24) != 0)
        std::abort();
    RColor printed(color);
    for (int format = 0; format < HexFormatCount; ++format)
    {
        printed.SetHexFormat(format);
        ColorValue again = 0;
        if (!ParseColorText(printed.GetHexValue().Text(), again) || again != color)
            std::abort();
    }
    ColorValue again = 0;
    if (!ParseColorText(CssRgbText(color), again) || again != color)
        std::abort();
    // Whole degrees and percents name a colour near enough, never exactly.
    if (!ParseColorText(CssHslText(color), again))
        std::abort();
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>(color >> shift & 0xFF) - static_cast<int>(again >> shift & 0xFF)) > 4)
            std::abort();
    return 0;
}

// Any text at all as the clipboard's colour. Reading must not crash or hang;
// a refused text changes nothing and says why in one line; a colour it
// accepts is an RGB colour (top byte 0) that every form of the notation
// table prints and reads back: exactly, or within the whole-number forms'
// rounding.
#include "colour/ColorNotation.h"
#include "colour/ColorText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

// The forms in whole degrees and percents, and the worst step of a channel
// their rounding allows.
int AllowedError(std::string_view id)
{
    if (id == "hsl" || id == "hsl-comma")
        return 5;
    return id == "hwb" || id == "hsv" ? 3 : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ColorValue color = 0xFF000000;
    if (!ParseColorText(text, color))
    {
        const RColorReading reading = ReadColorText(text);
        if (color != 0xFF000000 || reading.Color || reading.Refusal.empty() ||
            reading.Refusal.find('\n') != std::string::npos)
            std::abort(); // refused, yet changed, or without one line of reason
        return 0;
    }
    if ((color >> 24) != 0)
        std::abort();
    for (const RColorNotation& notation : ColorNotations())
    {
        ColorValue again = 0xFF000000;
        if (!ParseColorText(LiteralOf(color, notation), again))
            std::abort();
        const int allowed = AllowedError(notation.Id);
        for (const int shift : {0, 8, 16})
            if (std::abs(static_cast<int>(color >> shift & 0xFF) - static_cast<int>(again >> shift & 0xFF)) > allowed)
                std::abort();
    }
    return 0;
}

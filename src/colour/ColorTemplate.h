#pragma once

#include "colour/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A form of the user's own: text with placeholders in braces, each giving
// one component of the colour, "{{" and "}}" standing for the braces
// themselves. "UIColor(red: {rf:.3}, green: {gf:.3}, blue: {bf:.3}, alpha: 1)".
//
//   r g b a          the bytes 0..255 (a is always 255: colours are opaque)
//   rf gf bf af      the same as fractions 0..1
//   hex              the six digits RRGGBB
//   hsl.h hsl.s hsl.l   hsv.h hsv.s hsv.v   hwb.h hwb.w hwb.b
//                    hue in degrees, the rest in percent 0..100
//   lab.l lab.a lab.b   lch.l lch.c lch.h
//   oklab.l oklab.a oklab.b   oklch.l oklch.c oklch.h
//   name             the nearest of the web's colour names
//
// After a colon, how to print it: "x" or "X" for two hex digits (bytes and
// hex only) in lower or upper case; ".N" for exactly N decimals (0..10);
// "%" first for a 0..1 value in percent ("{oklch.l:%.1}"). Without one a
// byte prints in decimal, a share or a hue in whole numbers, a fraction and
// the Lab family with the decimals that keep the colour exact.
class RColorTemplate
{
public:
    // The template of text; nothing, with what is wrong and the 1-based
    // column where it is, when it cannot be read.
    static std::optional<RColorTemplate> Read(std::string_view text, std::string& problem, std::size_t& column);

    std::string Print(ColorValue color) const;

private:
    struct RPart
    {
        std::string Literal; // text before the placeholder
        int Component = -1;  // -1: none (the text's end)
        char Case = 0;       // 'x' or 'X' for hex digits
        int Decimals = -1;   // -1: the component's own
        bool Percent = false;
    };
    std::vector<RPart> Parts;
};

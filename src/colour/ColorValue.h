#pragma once

#include <cstdint>

// A colour as one unsigned 32-bit value: red in bits 0-7, green in bits 8-15,
// blue in bits 16-23 (0x0000A5FF is red 255, green 165, blue 0). The top byte
// is 0 for an RGB colour. Values with another top byte (a toolkit's reference
// to a system colour, the "None" row of the named colours) are never resolved
// to the colour they stand for: taking one apart keeps its low three bytes.
using ColorValue = std::uint32_t;

constexpr std::uint8_t RedOfValue(ColorValue value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::uint8_t GreenOfValue(ColorValue value)
{
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

constexpr std::uint8_t BlueOfValue(ColorValue value)
{
    return static_cast<std::uint8_t>((value >> 16) & 0xFF);
}

// The RGB colour value of three components; its top byte is 0.
constexpr ColorValue ColorValueOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorValue{red} | (ColorValue{green} << 8) | (ColorValue{blue} << 16);
}

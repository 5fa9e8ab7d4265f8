#include "colour/SrgbTransfer.h"

#include <array>
#include <cmath>

double SrgbToLinear(double encoded)
{
    const double magnitude = std::fabs(encoded);
    const double linear = magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

double LinearToSrgb(double linear)
{
    const double magnitude = std::fabs(linear);
    const double encoded = magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

double LinearOfByte(std::uint8_t component)
{
    // 256 values, worked out once: the curve is a power function per call.
    static const std::array<double, 256> linear = []
    {
        std::array<double, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = SrgbToLinear(static_cast<double>(i) / 255.0);
        return table;
    }();
    return linear[component];
}

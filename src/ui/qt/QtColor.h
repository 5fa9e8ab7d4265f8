#pragma once

#include "colour/ColorValue.h"

#include <QColor>

// A colour value 0x00BBGGRR as the toolkit's colour and its 32-bit pixel.
inline QColor ToQColor(ColorValue value)
{
    return QColor(RedOfValue(value), GreenOfValue(value), BlueOfValue(value));
}

inline QRgb ToQRgb(ColorValue value)
{
    return qRgb(RedOfValue(value), GreenOfValue(value), BlueOfValue(value));
}

inline ColorValue FromQRgb(QRgb pixel)
{
    return ColorValueOf(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                        static_cast<std::uint8_t>(qBlue(pixel)));
}

inline ColorValue FromQColor(const QColor& color)
{
    return ColorValueOf(static_cast<std::uint8_t>(color.red()),
                        static_cast<std::uint8_t>(color.green()),
                        static_cast<std::uint8_t>(color.blue()));
}

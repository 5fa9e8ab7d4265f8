#include "ui/AccessibleNames.h"

#include "colour/CssNamedColors.h"

std::string IncreaseArrowName(const std::string& box)
{
    return "Increase " + box;
}

std::string DecreaseArrowName(const std::string& box)
{
    return "Decrease " + box;
}

std::string PlaneValueText(const RColor& color)
{
    return "hue " + std::to_string(color.GetHue()) + ", saturation " + std::to_string(color.GetSat());
}

std::string BarValueText(const RColor& color)
{
    return "luminance " + std::to_string(color.GetLum());
}

std::string SamplingAnnouncement(const RColor& color)
{
    return std::string(SamplingWindowName) + ": " + color.GetHexValue().Text() + ", " +
           NearestCssName(color.GetColor()).Name;
}

#include "ui/OutputCopies.h"

#include "ui/LoupePicture.h"

#include <algorithm>
#include <cmath>

RDevicePixel OutputDevicePixel(const ROutput& output, double logicalX, double logicalY)
{
    if (!output.Described())
        return {};
    // Device pixel d covers logical positions [d, d + 1) / scale, so the
    // position scaled and truncated names it; each axis by its own ratio,
    // since a mode need not divide evenly by the scale.
    const auto along = [](double logical, int logicalSize, int deviceSize)
    {
        const double device = std::floor(logical * deviceSize / logicalSize);
        if (!(device >= 0)) // negative, or NaN from a hostile position
            return 0;
        return static_cast<int>(std::min<double>(device, deviceSize - 1));
    };
    return {along(logicalX, output.LogicalWidth, output.DeviceWidth),
            along(logicalY, output.LogicalHeight, output.DeviceHeight)};
}

ColorValue ROutputCopy::Pixel(RDevicePixel at) const
{
    if (!Complete() || at.X < 0 || at.Y < 0 || at.X >= Output.DeviceWidth || at.Y >= Output.DeviceHeight)
        return NoPixel;
    return Pixels[static_cast<std::size_t>(at.Y) * static_cast<std::size_t>(Output.DeviceWidth) +
                  static_cast<std::size_t>(at.X)];
}

std::vector<ColorValue> ROutputCopy::Block(const RScreenArea& area) const
{
    std::vector<ColorValue> block;
    block.reserve(static_cast<std::size_t>(std::max(0, area.Width * area.Height)));
    for (int y = area.Top; y < area.Top + area.Height; ++y)
        for (int x = area.Left; x < area.Left + area.Width; ++x)
            block.push_back(Pixel({x, y}));
    return block;
}

std::optional<std::vector<RPicturePlace>> PlaceOutputsInPicture(const std::vector<ROutput>& outputs, int pictureWidth,
                                                              int pictureHeight)
{
    if (outputs.empty() || pictureWidth <= 0 || pictureHeight <= 0)
        return std::nullopt;
    for (const ROutput& output : outputs)
        if (!output.Described())
            return std::nullopt;
    int left = outputs.front().LogicalX, top = outputs.front().LogicalY;
    int right = left, bottom = top;
    for (const ROutput& output : outputs)
    {
        left = std::min(left, output.LogicalX);
        top = std::min(top, output.LogicalY);
        right = std::max(right, output.LogicalX + output.LogicalWidth);
        bottom = std::max(bottom, output.LogicalY + output.LogicalHeight);
    }
    // One scale for the whole picture, whose size is the layout's at that
    // scale, rounded: the scales each axis allows must overlap.
    const double lowest = std::max((pictureWidth - 0.5) / (right - left), (pictureHeight - 0.5) / (bottom - top));
    const double highest = std::min((pictureWidth + 0.5) / (right - left), (pictureHeight + 0.5) / (bottom - top));
    if (lowest >= highest)
        return std::nullopt;
    const double widthScale = static_cast<double>(pictureWidth) / (right - left);
    const double scale = widthScale >= lowest && widthScale < highest ? widthScale : (lowest + highest) / 2;
    std::vector<RPicturePlace> places;
    for (const ROutput& output : outputs)
    {
        const int x = static_cast<int>(std::lround((output.LogicalX - left) * scale));
        const int y = static_cast<int>(std::lround((output.LogicalY - top) * scale));
        const int width = static_cast<int>(std::lround((output.LogicalX + output.LogicalWidth - left) * scale)) - x;
        const int height = static_cast<int>(std::lround((output.LogicalY + output.LogicalHeight - top) * scale)) - y;
        if (width <= 0 || height <= 0 || x + width > pictureWidth || y + height > pictureHeight)
            return std::nullopt;
        // At the output's own scale its rectangle starts on a whole picture
        // pixel and has exactly its mode's pixels.
        const double start = (output.LogicalX - left) * scale, startY = (output.LogicalY - top) * scale;
        const bool whole = start == std::floor(start) && startY == std::floor(startY);
        places.push_back(
            {{x, y, width, height}, whole && width == output.DeviceWidth && height == output.DeviceHeight});
    }
    return places;
}

std::optional<std::vector<ROutputCopy>> CopiesFromPicture(const std::vector<ROutput>& outputs,
                                                         const std::vector<ColorValue>& picture, int pictureWidth,
                                                         int pictureHeight)
{
    if (picture.size() != static_cast<std::size_t>(std::max(0, pictureWidth)) * static_cast<std::size_t>(std::max(0, pictureHeight)))
        return std::nullopt;
    const auto places = PlaceOutputsInPicture(outputs, pictureWidth, pictureHeight);
    if (!places)
        return std::nullopt;
    std::vector<ROutputCopy> copies;
    for (std::size_t i = 0; i < outputs.size(); ++i)
    {
        const ROutput& output = outputs[i];
        const RScreenArea& in = (*places)[i].InPicture;
        ROutputCopy copy{output, {}, (*places)[i].OneToOne};
        copy.Pixels.reserve(static_cast<std::size_t>(output.DeviceWidth) * static_cast<std::size_t>(output.DeviceHeight));
        for (int y = 0; y < output.DeviceHeight; ++y)
        {
            const int py = in.Top + std::min(in.Height - 1, (2 * y + 1) * in.Height / (2 * output.DeviceHeight));
            for (int x = 0; x < output.DeviceWidth; ++x)
            {
                const int px = in.Left + std::min(in.Width - 1, (2 * x + 1) * in.Width / (2 * output.DeviceWidth));
                copy.Pixels.push_back(picture[static_cast<std::size_t>(py) * static_cast<std::size_t>(pictureWidth) +
                                              static_cast<std::size_t>(px)]);
            }
        }
        copies.push_back(std::move(copy));
    }
    return copies;
}

RCopySource ChooseCopySource(bool outputCopiesOffered, bool portalScreenshotOffered)
{
    if (outputCopiesOffered)
        return RCopySource::OutputCopies;
    return portalScreenshotOffered ? RCopySource::PortalScreenshot : RCopySource::PortalPicker;
}

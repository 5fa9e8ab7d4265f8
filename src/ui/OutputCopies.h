#pragma once

#include "colour/ColorValue.h"
#include "ui/DesktopMonitors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Sampling where the compositor, not the program, knows where everything is
// (Wayland): the desktop is a set of outputs, each with its place in the
// compositor's logical layout and its own number of device pixels, and the
// frozen copy is one picture per output at that output's own resolution.
// Every decision about which pixel is taken is made here; the window layer
// only shows the pictures and reports positions as the compositor gave them.

// One output as the compositor describes it.
struct ROutput
{
    std::string Name;
    // Its place and size in the desktop's logical layout.
    int LogicalX = 0, LogicalY = 0, LogicalWidth = 0, LogicalHeight = 0;
    // Its mode: the pixels it really has.
    int DeviceWidth = 0, DeviceHeight = 0;

    // Device pixels per logical pixel, as the compositor renders it: the
    // exact ratio, fractional scales included, whatever integer scale it
    // tells its clients.
    double Scale() const { return LogicalWidth > 0 ? static_cast<double>(DeviceWidth) / LogicalWidth : 1.0; }
    bool Described() const { return LogicalWidth > 0 && LogicalHeight > 0 && DeviceWidth > 0 && DeviceHeight > 0; }
};

struct RDevicePixel
{
    int X = 0, Y = 0;
    bool operator==(const RDevicePixel&) const = default;
};

// The device pixel of output under a position in its own logical
// coordinates, as precise as the compositor sends them (1/256 of a logical
// pixel): the one whose area holds the position, never the one a rounded
// logical position would name. Positions on the edge or beyond (a pointer
// held at the output's border) give the nearest pixel inside.
RDevicePixel OutputDevicePixel(const ROutput& output, double logicalX, double logicalY);

// One output's frozen picture: DeviceWidth x DeviceHeight pixels, row by
// row, each a colour value.
struct ROutputCopy
{
    ROutput Output;
    std::vector<ColorValue> Pixels;
    // Whether each of its pixels is the output's own device pixel (a copy of
    // the output itself, or a whole-desktop picture at this output's scale),
    // rather than a picture resampled from another scale.
    bool OneToOne = true;

    // The pixel at a device position of the output; NoPixel outside it.
    ColorValue Pixel(RDevicePixel at) const;
    // The pixels of area (device positions of the output), row by row,
    // NoPixel where it reaches beyond the output: the loupe's block.
    std::vector<ColorValue> Block(const RScreenArea& area) const;
    bool Complete() const
    {
        return Output.Described() &&
               Pixels.size() == static_cast<std::size_t>(Output.DeviceWidth) * static_cast<std::size_t>(Output.DeviceHeight);
    }
};

// Where one output lies in a picture of the whole desktop.
struct RPicturePlace
{
    RScreenArea InPicture;
    // The picture holds this output one device pixel to one picture pixel.
    bool OneToOne = false;
};

// Finds each output's rectangle in a picture of the whole desktop of
// pictureWidth x pictureHeight, drawn at one scale over the outputs'
// logical layout (as a desktop portal's screenshot is): the layout's
// bounding box must fill the picture at one scale on both axes, and every
// output must land inside it. None when they do not add up, rather than a
// guess.
std::optional<std::vector<RPicturePlace>> PlaceOutputsInPicture(const std::vector<ROutput>& outputs, int pictureWidth,
                                                              int pictureHeight);

// Each output's copy cut from a picture of the whole desktop (row by row,
// pictureWidth wide), at the output's own device resolution: one to one
// where the picture has the output's scale, the nearest picture pixel to
// each device pixel's centre otherwise. None when the outputs do not add up
// to the picture.
std::optional<std::vector<ROutputCopy>> CopiesFromPicture(const std::vector<ROutput>& outputs,
                                                         const std::vector<ColorValue>& picture, int pictureWidth,
                                                         int pictureHeight);

// Where the desktop's copy comes from, best first.
enum class RCopySource
{
    OutputCopies,       // the compositor's copy of each output, one to one on every output
    PortalScreenshot,   // the desktop portal's screenshot of the whole desktop
    PortalPicker,       // no copy: the desktop's own picker takes one pixel
};

// What the display offers decides the source: the compositor's own copies
// need no permission and are exact at every scale, so they come first.
RCopySource ChooseCopySource(bool outputCopiesOffered, bool portalScreenshotOffered);

#pragma once

#include "colour/RColor.h"

#include <string>

// What a screen reader says of the main window's controls, the same in both
// window layers: a name for each control a user meets (the boxes' own
// labels say only "R:" or "H:", and the images none), and the values of the
// hue/saturation plane and the luminance bar, which show them only as a
// marker. The swatch's description is its tooltip (SwatchMenu.h).
struct RAccessibleName
{
    const char* Control; // its name in the layout
    const char* Name;
    // The layout's label that stands for the control, where one does: some
    // desktops name a list by its value and its label by relation only.
    const char* Label = nullptr;
};

inline constexpr RAccessibleName MainFormAccessibleNames[] = {
    {"RedEdit", "Red"},
    {"GrnEdit", "Green"},
    {"BluEdit", "Blue"},
    {"HueEdit", "Hue"},
    {"SatEdit", "Saturation"},
    {"LumEdit", "Luminance"},
    {"ColorNameCB", "Name", "Label9"},
    {"RGBHexEdit", "RGB Hex Value", "Label1"},
    {"HexFormatCB", "Notation"},
    {"TheShape", "Colour"},
    {"HueSatImage", "Hue and saturation"},
    {"LumImage", "Luminance"},
    {"LumArrowImage", "Luminance"},
    {"SidebarImage", "Quenlar web site"},
};

// The arrows of the up-down beside the box a screen reader calls box:
// "Increase Red", "Decrease Red".
std::string IncreaseArrowName(const std::string& box);
std::string DecreaseArrowName(const std::string& box);

// The sampling window as a screen reader hears it: by its name when it
// opens, then by the colour under the pointer in the window's notation and
// its nearest name ("Select Color with Mouse: #FF0000, red"), said at most
// every SamplingAnnouncementIntervalMs while the pointer moves, the last
// colour always.
inline constexpr const char* SamplingWindowName = "Select Color with Mouse";
inline constexpr int SamplingAnnouncementIntervalMs = 500;
std::string SamplingAnnouncement(const RColor& color);

// The plane's value, "hue 160, saturation 240", and the bar's, "luminance
// 120", on the 0-239 scale the boxes show.
std::string PlaneValueText(const RColor& color);
std::string BarValueText(const RColor& color);

// The main window's controls, at the positions, sizes and texts of its layout.
#include "ui/FormLayout.h"

namespace
{

using enum RControlKind;

constexpr RControlLayout MainFormControls[] = {
    // The side bar: white, the icon at the top, the logo at the bottom.
    {"SidePanel", Panel, nullptr, 0, 0, 48, 255, "", 1, StyleWhite},
    {"KeyIconImage", Image, "SidePanel", 8, 4, 32, 32},
    {"QuenlarLogoPanel", Panel, "SidePanel", 1, 73, 46, 181, "", 0, StyleWhite},
    {"SidebarImage", Image, "QuenlarLogoPanel", 7, -4, 32, 173, "Browse to the Quenlar web site...", -1,
     StyleHandCursor},

    {"MainPanel", Panel, nullptr, 48, 0, 304, 255, "", 0},
    // The labels reach up to the control they name, so that no font cuts
    // their text short.
    {"Label2", Label, "MainPanel", 6, 10, 30, 13, "Color:"},
    {"TheShape", Shape, "MainPanel", 37, 6, 68, 21},
    {"Label9", Label, "MainPanel", 111, 10, 34, 13, "Name:"},
    {"ColorNameCB", DropDownList, "MainPanel", 146, 6, 153, 21, "", 5},
    {"Label1", Label, "MainPanel", 6, 35, 80, 13, "RGB Hex Value:"},
    // Selectable, but the Tab key passes it by.
    {"RGBHexEdit", Edit, "MainPanel", 87, 32, 97, 21, "", -1, StyleReadOnly},
    {"HexFormatCB", DropDownList, "MainPanel", 187, 32, 112, 21, "", 3},

    {"RGBGroup", GroupBox, "MainPanel", 6, 59, 84, 96, "RGB Edit", 1},
    {"Label4", Label, "RGBGroup", 9, 20, 11, 13, "R:"},
    {"Label5", Label, "RGBGroup", 9, 45, 11, 13, "G:"},
    {"Label6", Label, "RGBGroup", 10, 70, 10, 13, "B:"},
    {"RedEdit", Edit, "RGBGroup", 23, 17, 37, 21, "0", 0},
    {"RedUpDown", UpDown, "RGBGroup", 60, 17, 15, 21, "", 1},
    {"GrnEdit", Edit, "RGBGroup", 23, 42, 37, 21, "0", 2},
    {"GrnUpDown", UpDown, "RGBGroup", 60, 42, 15, 21, "", 3},
    {"BluEdit", Edit, "RGBGroup", 23, 67, 37, 21, "0", 4},
    {"BluUpDown", UpDown, "RGBGroup", 60, 67, 15, 21, "", 5},

    {"HSLEditGroup", GroupBox, "MainPanel", 95, 59, 84, 96, "HSL Edit", 4},
    {"Label3", Label, "HSLEditGroup", 9, 20, 11, 13, "H:"},
    {"Label7", Label, "HSLEditGroup", 10, 45, 10, 13, "S:"},
    {"Label8", Label, "HSLEditGroup", 11, 70, 9, 13, "L:"},
    {"HueEdit", Edit, "HSLEditGroup", 23, 17, 37, 21, "0", 0},
    {"HueUpDown", UpDown, "HSLEditGroup", 60, 17, 16, 21, "", 1},
    {"SatEdit", Edit, "HSLEditGroup", 23, 42, 37, 21, "0", 2},
    {"SatUpDown", UpDown, "HSLEditGroup", 60, 42, 16, 21, "", 3},
    {"LumEdit", Edit, "HSLEditGroup", 23, 67, 37, 21, "0", 4},
    {"LumUpDown", UpDown, "HSLEditGroup", 60, 67, 16, 21, "", 5},

    {"SwatchPanel", Panel, "MainPanel", 184, 64, 115, 90, "", 6, StyleRaised},
    {"HueSatImage", Image, "SwatchPanel", 4, 4, 82, 82},
    {"LumImage", Image, "SwatchPanel", 89, 4, 12, 82},
    {"LumArrowImage", Image, "SwatchPanel", 103, 4, 8, 82},

    {"ColorDlgSelectSBtn", SpeedButton, "MainPanel", 6, 160, 293, 25, "Select Color from Dialog..."},
    {"MouseSelectSBtn", SpeedButton, "MainPanel", 6, 190, 293, 25, "Select Color with Mouse"},

    {"BtnPanel", Panel, "MainPanel", 0, 221, 304, 34, "", 2},
    {"AboutBtn", Button, "BtnPanel", 7, 5, 82, 25, "About...", 0},
    {"HelpBtn", Button, "BtnPanel", 96, 5, 80, 25, "Help...", 1},
    {"CloseBtn", Button, "BtnPanel", 183, 5, 115, 25, "&Close", 2, StyleCancel},
};

constexpr RFormLayout MainForm{"TWMainForm", "Quenlar Tintwell", 352, 255, MainFormControls};

} // namespace

const RFormLayout& MainFormLayout()
{
    return MainForm;
}

// The main window's controls, made from the layout's rows at the window's
// density, and laid out again at another monitor's.
#include "ui/win32/TTWMainForm.h"

#include "colour/ColorNotation.h"
#include "ui/FormLayout.h"
#include "ui/LayoutScale.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/PixelArt.h"
#include "ui/win32/Resources.h"
#include "ui/win32/RShape.h"
#include "ui/win32/RSpeedButton.h"
#include "ui/win32/RSwatchImage.h"

#include <commctrl.h>

void TTWMainForm::FitToDpi(int dpi, int left, int top)
{
    if (const int layoutDpi = LayoutDpiAt(dpi); layoutDpi != TheControls->Dpi())
        TheControls->Rescale(layoutDpi);
    const RFormLayout& layout = MainFormLayout();
    FitClientArea(Handle(), TheControls->Px(layout.ClientWidth), TheControls->Px(layout.ClientHeight), FormStyle,
                  FormExtendedStyle, dpi, left, top);
    // The title bar's and the task switcher's icons, drawn in blocks from the
    // program's own sizes; they follow the monitor, as the system's frame does.
    const HICON oldBig = TheBigIcon, oldSmall = TheSmallIcon;
    TheBigIcon = IconInBlocks(TintwellIcon(32), ToDevicePixels(32, dpi));
    TheSmallIcon = IconInBlocks(TintwellIcon(16), ToDevicePixels(16, dpi));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(TheBigIcon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(TheSmallIcon));
    for (HICON icon : {oldBig, oldSmall})
        if (icon != nullptr)
            ::DestroyIcon(icon);
}

void TTWMainForm::CreateControls()
{
    TheControls = std::make_unique<RFormBuilder>(Handle(), MainFormLayout(), LayoutDpiOf(Handle()));
    RFormBuilder& form = *TheControls;
    TheLogoBitmap = LoadPicture(LogoBitmapName);
    TheColorDialogGlyph = LoadPicture(ColorDialogGlyphName);
    TheDropperGlyph = LoadPicture(DropperGlyphName);

    form.Panel("SidePanel");
    form.Icon("KeyIconImage", TintwellIcon(32));
    form.Panel("QuenlarLogoPanel");
    SidebarImage = form.Bitmap("SidebarImage", TheLogoBitmap);

    form.Panel("MainPanel");
    form.Label("Label2");
    TheShape = &form.Shape("TheShape");
    form.Label("Label9");
    ColorNameCB = form.DropDownList("ColorNameCB");
    form.Label("Label1");
    RGBHexEdit = form.Edit("RGBHexEdit");
    HexFormatCB = form.DropDownList("HexFormatCB");
    for (const char* label : WindowNotationLabels())
        ::SendMessageA(HexFormatCB, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));

    form.Panel("RGBGroup");
    form.Panel("HSLEditGroup");
    for (const char* label : {"Label4", "Label5", "Label6", "Label3", "Label7", "Label8"})
        form.Label(label);
    const struct
    {
        const char *Edit, *Spin;
        HWND* EditMember;
        HWND* SpinMember;
    } boxes[] = {
        {"RedEdit", "RedUpDown", &RedEdit, &RedUpDown}, {"GrnEdit", "GrnUpDown", &GrnEdit, &GrnUpDown},
        {"BluEdit", "BluUpDown", &BluEdit, &BluUpDown}, {"HueEdit", "HueUpDown", &HueEdit, &HueUpDown},
        {"SatEdit", "SatUpDown", &SatEdit, &SatUpDown}, {"LumEdit", "LumUpDown", &LumEdit, &LumUpDown},
    };
    for (const auto& box : boxes)
    {
        *box.EditMember = form.Edit(box.Edit);
        *box.SpinMember = form.UpDown(box.Spin, *box.EditMember);
    }

    form.Panel("SwatchPanel");
    HueSatImage = &form.SwatchImage("HueSatImage", RSwatchImage::Kind::Plane);
    LumImage = &form.SwatchImage("LumImage", RSwatchImage::Kind::Bar);
    LumArrowImage = &form.SwatchImage("LumArrowImage", RSwatchImage::Kind::Arrow);
    HueSatImage->MouseUp = [this](int x, int y) { TheEditor.HueSatImageMouseUp(x, y); };
    LumImage->MouseUp = [this](int x, int y) { TheEditor.LumImageMouseUp(x, y); };
    LumArrowImage->MouseUp = [this](int x, int y) { TheEditor.LumArrowImageMouseUp(x, y); };

    ColorDlgSelectSBtn = &form.SpeedButton("ColorDlgSelectSBtn", TheColorDialogGlyph);
    MouseSelectSBtn = &form.SpeedButton("MouseSelectSBtn", TheDropperGlyph);

    form.Panel("BtnPanel");
    AboutBtn = form.Button("AboutBtn");
    HelpBtn = form.Button("HelpBtn");
    CloseBtn = form.Button("CloseBtn");
    form.SetTabOrder();
}

// The main window's controls, made from the layout's rows: each control is
// found by its system name, placed in its parent, and given its text.
#include "ui/qt/TTWMainForm.h"

#include "colour/ColorNotation.h"
#include "colour/RColor.h"
#include "ui/FormLayout.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/PixelArt.h"
#include "ui/qt/Resources.h"
#include "ui/qt/RShape.h"
#include "ui/qt/RSwatchImage.h"
#include "ui/qt/RUpDown.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TTWMainForm::CreateControls()
{
    RFormBuilder form(this, MainFormLayout());

    SidePanel = form.Panel("SidePanel");
    KeyIconImage = form.Label("KeyIconImage");
    const qreal ratio = devicePixelRatioF();
    KeyIconImage->setPixmap(TintwellIcon().pixmap(QSize(FormPx(32), FormPx(32)), ratio));
    QuenlarLogoPanel = form.Panel("QuenlarLogoPanel");
    SidebarImage = form.Label("SidebarImage");
    const QImage logo = PictureImage(RBuiltPicture::Logo);
    SidebarImage->setPixmap(PixelArtPixmap(logo, SidebarImage->size(), ratio));

    MainPanel = form.Panel("MainPanel");
    // The panels take the clicks on them, as the platform's panels do; only
    // the window's own uncovered area reaches the window's handlers.
    for (QWidget* panel : {static_cast<QWidget*>(SidePanel), static_cast<QWidget*>(MainPanel)})
        panel->setAttribute(Qt::WA_NoMousePropagation);
    Label2 = form.Label("Label2");
    TheShape = form.Make<RShape>("TheShape");
    Label9 = form.Label("Label9");
    ColorNameCB = form.DropDownList("ColorNameCB");
    Label1 = form.Label("Label1");
    RGBHexEdit = form.Edit("RGBHexEdit");
    RGBHexEdit->setBackgroundRole(QPalette::Window);
    QPalette hexPalette = RGBHexEdit->palette();
    hexPalette.setColor(QPalette::Base, hexPalette.color(QPalette::Window));
    RGBHexEdit->setPalette(hexPalette);
    HexFormatCB = form.DropDownList("HexFormatCB");
    for (const char* label : WindowNotationLabels())
        HexFormatCB->addItem(QString::fromLatin1(label));

    RGBGroup = form.GroupBox("RGBGroup");
    HSLEditGroup = form.GroupBox("HSLEditGroup");
    for (const char* label : {"Label4", "Label5", "Label6", "Label3", "Label7", "Label8"})
        form.Label(label);
    const struct
    {
        const char *Edit, *Spin;
        QLineEdit** EditMember;
        RUpDown** SpinMember;
    } boxes[] = {
        {"RedEdit", "RedUpDown", &RedEdit, &RedUpDown}, {"GrnEdit", "GrnUpDown", &GrnEdit, &GrnUpDown},
        {"BluEdit", "BluUpDown", &BluEdit, &BluUpDown}, {"HueEdit", "HueUpDown", &HueEdit, &HueUpDown},
        {"SatEdit", "SatUpDown", &SatEdit, &SatUpDown}, {"LumEdit", "LumUpDown", &LumEdit, &LumUpDown},
    };
    for (const auto& box : boxes)
    {
        *box.EditMember = form.Edit(box.Edit);
        *box.SpinMember = form.Make<RUpDown>(box.Spin, *box.EditMember);
    }

    SwatchPanel = form.Panel("SwatchPanel");
    SwatchPanel->setBackgroundRole(QPalette::Button);
    HueSatImage = form.Make<RSwatchImage>("HueSatImage", RSwatchImage::Kind::Plane);
    LumImage = form.Make<RSwatchImage>("LumImage", RSwatchImage::Kind::Bar);
    LumArrowImage = form.Make<RSwatchImage>("LumArrowImage", RSwatchImage::Kind::Arrow);

    ColorDlgSelectSBtn = form.Button("ColorDlgSelectSBtn");
    ColorDlgSelectSBtn->setIcon(PixelArtIcon({PictureImage(RBuiltPicture::ColorDialog)}));
    ColorDlgSelectSBtn->setIconSize({FormPx(24), FormPx(22)});
    MouseSelectSBtn = form.Button("MouseSelectSBtn");
    MouseSelectSBtn->setIcon(PixelArtIcon({PictureImage(RBuiltPicture::Dropper)}));
    MouseSelectSBtn->setIconSize({FormPx(16), FormPx(16)});

    BtnPanel = form.Panel("BtnPanel");
    AboutBtn = form.Button("AboutBtn");
    HelpBtn = form.Button("HelpBtn");
    CloseBtn = form.Button("CloseBtn");
    form.SetTabOrder();
}

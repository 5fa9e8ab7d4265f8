// The main window's controls, at the positions, sizes and texts of its
// layout (in pixels at 96 dots per inch), with their system names.
#include "ui/qt/TTWMainForm.h"

#include "colour/RColor.h"
#include "ui/qt/RShape.h"
#include "ui/qt/RSwatchImage.h"
#include "ui/qt/RUpDown.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

template <typename Widget, typename... Arguments>
Widget* Place(QWidget* parent, const char* name, QRect geometry, Arguments&&... arguments)
{
    auto* widget = new Widget(std::forward<Arguments>(arguments)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QFrame* Panel(QWidget* parent, const char* name, QRect geometry, QPalette::ColorRole fill)
{
    auto* panel = Place<QFrame>(parent, name, geometry);
    panel->setBackgroundRole(fill);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* Label(QWidget* parent, const char* name, QRect geometry, const char* text)
{
    return Place<QLabel>(parent, name, geometry, QString::fromLatin1(text));
}

QComboBox* DropDownList(QWidget* parent, const char* name, QRect geometry)
{
    auto* list = Place<QComboBox>(parent, name, geometry);
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    return list;
}

} // namespace

void TTWMainForm::CreateControls()
{
    // The side bar: white, the icon at the top, the logo at the bottom.
    SidePanel = Panel(this, "SidePanel", {0, 0, 48, 255}, QPalette::Base);
    KeyIconImage = Place<QLabel>(SidePanel, "KeyIconImage", {8, 4, 32, 32});
    KeyIconImage->setPixmap(QIcon(":/tintwell/icon.xpm").pixmap(32, 32));
    QuenlarLogoPanel = Panel(SidePanel, "QuenlarLogoPanel", {1, 73, 46, 181}, QPalette::Base);
    SidebarImage = Place<QLabel>(QuenlarLogoPanel, "SidebarImage", {7, -4, 32, 173});
    SidebarImage->setPixmap(QPixmap(":/tintwell/logo.xpm"));
    SidebarImage->setCursor(Qt::PointingHandCursor);
    SidebarImage->setToolTip(QStringLiteral("Browse to the Quenlar web site..."));

    MainPanel = Panel(this, "MainPanel", {48, 0, 304, 255}, QPalette::Window);
    // The panels take the clicks on them, as the platform's panels do; only
    // the window's own uncovered area reaches the window's handlers.
    for (QWidget* panel : {static_cast<QWidget*>(SidePanel), static_cast<QWidget*>(MainPanel)})
        panel->setAttribute(Qt::WA_NoMousePropagation);
    Label2 = Label(MainPanel, "Label2", {6, 10, 30, 13}, "Color:"); // up to the swatch
    TheShape = Place<RShape>(MainPanel, "TheShape", {37, 6, 68, 21});
    Label9 = Label(MainPanel, "Label9", {111, 10, 34, 13}, "Name:"); // up to the list
    ColorNameCB = DropDownList(MainPanel, "ColorNameCB", {146, 6, 153, 21});
    Label1 = Label(MainPanel, "Label1", {6, 35, 80, 13}, "RGB Hex Value:"); // up to the box
    RGBHexEdit = Place<QLineEdit>(MainPanel, "RGBHexEdit", {87, 32, 97, 21});
    RGBHexEdit->setReadOnly(true);
    RGBHexEdit->setFocusPolicy(Qt::ClickFocus); // selectable, but not a tab stop
    RGBHexEdit->setBackgroundRole(QPalette::Window);
    QPalette hexPalette = RGBHexEdit->palette();
    hexPalette.setColor(QPalette::Base, hexPalette.color(QPalette::Window));
    RGBHexEdit->setPalette(hexPalette);
    HexFormatCB = DropDownList(MainPanel, "HexFormatCB", {187, 32, 112, 21});
    for (const RHexFormat& format : HexFormats)
        HexFormatCB->addItem(QString::fromLatin1(format.Name));

    struct Row
    {
        const char *Label, *LabelName, *Edit, *UpDown;
        QRect LabelBox;
        int Top;
    };
    auto makeGroup = [this](const char* name, QRect geometry, const char* title, const Row (&rows)[3],
                            int spinWidth, QLineEdit** edits[3], RUpDown** upDowns[3])
    {
        auto* group = Place<QGroupBox>(MainPanel, name, geometry, QString::fromLatin1(title));
        for (int i = 0; i < 3; ++i)
        {
            Label(group, rows[i].LabelName, rows[i].LabelBox, rows[i].Label);
            QLineEdit* edit = Place<QLineEdit>(group, rows[i].Edit, {23, rows[i].Top, 37, 21});
            edit->setText(QStringLiteral("0"));
            *edits[i] = edit;
            *upDowns[i] = Place<RUpDown>(group, rows[i].UpDown, {60, rows[i].Top, spinWidth, 21}, edit);
        }
        return group;
    };
    const Row rgbRows[3] = {{"R:", "Label4", "RedEdit", "RedUpDown", {9, 20, 11, 13}, 17},
                            {"G:", "Label5", "GrnEdit", "GrnUpDown", {9, 45, 11, 13}, 42},
                            {"B:", "Label6", "BluEdit", "BluUpDown", {10, 70, 10, 13}, 67}};
    QLineEdit** rgbEdits[3] = {&RedEdit, &GrnEdit, &BluEdit};
    RUpDown** rgbSpins[3] = {&RedUpDown, &GrnUpDown, &BluUpDown};
    RGBGroup = makeGroup("RGBGroup", {6, 59, 84, 96}, "RGB Edit", rgbRows, 15, rgbEdits, rgbSpins);
    const Row hslRows[3] = {{"H:", "Label3", "HueEdit", "HueUpDown", {9, 20, 11, 13}, 17},
                            {"S:", "Label7", "SatEdit", "SatUpDown", {10, 45, 10, 13}, 42},
                            {"L:", "Label8", "LumEdit", "LumUpDown", {11, 70, 9, 13}, 67}};
    QLineEdit** hslEdits[3] = {&HueEdit, &SatEdit, &LumEdit};
    RUpDown** hslSpins[3] = {&HueUpDown, &SatUpDown, &LumUpDown};
    HSLEditGroup = makeGroup("HSLEditGroup", {95, 59, 84, 96}, "HSL Edit", hslRows, 16, hslEdits, hslSpins);

    SwatchPanel = Panel(MainPanel, "SwatchPanel", {184, 64, 115, 90}, QPalette::Button);
    SwatchPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HueSatImage = Place<RSwatchImage>(SwatchPanel, "HueSatImage", {4, 4, 82, 82}, RSwatchImage::Kind::Plane);
    LumImage = Place<RSwatchImage>(SwatchPanel, "LumImage", {89, 4, 12, 82}, RSwatchImage::Kind::Bar);
    LumArrowImage = Place<RSwatchImage>(SwatchPanel, "LumArrowImage", {103, 4, 8, 82}, RSwatchImage::Kind::Arrow);

    ColorDlgSelectSBtn = Place<QPushButton>(MainPanel, "ColorDlgSelectSBtn", {6, 160, 293, 25},
                                            QStringLiteral("Select Color from Dialog..."));
    ColorDlgSelectSBtn->setIcon(QIcon(":/tintwell/colordialog.xpm"));
    ColorDlgSelectSBtn->setIconSize({24, 22});
    MouseSelectSBtn = Place<QPushButton>(MainPanel, "MouseSelectSBtn", {6, 190, 293, 25},
                                         QStringLiteral("Select Color with Mouse"));
    MouseSelectSBtn->setIcon(QIcon(":/tintwell/dropper.xpm"));
    MouseSelectSBtn->setIconSize({16, 16});
    for (QPushButton* speed : {ColorDlgSelectSBtn, MouseSelectSBtn})
        speed->setFocusPolicy(Qt::NoFocus); // speed buttons never take the focus

    BtnPanel = Panel(MainPanel, "BtnPanel", {0, 221, 304, 34}, QPalette::Window);
    AboutBtn = Place<QPushButton>(BtnPanel, "AboutBtn", {7, 5, 82, 25}, QStringLiteral("About..."));
    HelpBtn = Place<QPushButton>(BtnPanel, "HelpBtn", {96, 5, 80, 25}, QStringLiteral("Help..."));
    CloseBtn = Place<QPushButton>(BtnPanel, "CloseBtn", {183, 5, 115, 25}, QStringLiteral("&Close"));
    for (QPushButton* button : {AboutBtn, HelpBtn, CloseBtn})
        button->setAutoDefault(false);
}

void TTWMainForm::SetTabOrder()
{
    // Tab order counts among siblings, so Tab runs through the RGB group, the
    // three buttons, the notation list, the HSL group and the name list.
    QWidget* order[] = {RedEdit, GrnEdit,     BluEdit, AboutBtn, HelpBtn, CloseBtn,
                        HexFormatCB, HueEdit, SatEdit, LumEdit,  ColorNameCB};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

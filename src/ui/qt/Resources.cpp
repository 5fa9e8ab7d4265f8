#include "ui/qt/Resources.h"

#include "ui/LayoutScale.h"
#include "ui/qt/PixelArt.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

QImage PictureImage(RBuiltPicture picture)
{
    const RPicturePixels& pixels = BuiltPicture(picture);
    return {reinterpret_cast<const uchar*>(pixels.Pixels), pixels.Width, pixels.Height,
            static_cast<qsizetype>(pixels.Width) * 4, QImage::Format_ARGB32};
}

QIcon TintwellIcon()
{
    // Made once: the application, the window and the side bar all show it.
    static const QIcon icon = PixelArtIcon({PictureImage(RBuiltPicture::Icon16), PictureImage(RBuiltPicture::Icon)});
    return icon;
}

QFont DialogFont()
{
    // The metric-compatible free fonts keep every text inside its control;
    // the desktop's own font stands in where none of them is installed.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      font.family()});
    font.setPixelSize(FontPixels(11, FormDpi()));
    return font;
}

double DesktopTextPixels()
{
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (font.pixelSize() > 0)
        return font.pixelSize();
    // Points at the logical density the toolkit draws text at; where it
    // scales the display itself, that stays 96.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return font.pointSizeF() * (screen != nullptr ? screen->logicalDotsPerInchY() : LayoutDpi) / 72;
}

int FormDpi()
{
    // Once: the windows are laid out once, and a font that changes under a
    // window already shown would outgrow its controls.
    static const int dpi = TextLayoutDpi(LayoutDpi, DesktopTextPixels());
    return dpi;
}

int FormPx(int layout)
{
    return ToDevicePixels(layout, FormDpi());
}

#include "ui/qt/Resources.h"

#include "ui/qt/PixelArt.h"

#include <QFont>
#include <QFontDatabase>

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
    font.setPixelSize(11);
    return font;
}

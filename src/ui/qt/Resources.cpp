#include "ui/qt/Resources.h"

#include "ui/qt/PixelArt.h"

#include <QFont>
#include <QFontDatabase>

// Resources compiled into a static library are registered by hand, once.
static void InitResources()
{
    Q_INIT_RESOURCE(tintwell);
}

QIcon TintwellIcon()
{
    static const bool registered = (InitResources(), true);
    static_cast<void>(registered);
    // Decoded once: the application, the window and the side bar all show it.
    static const QIcon icon =
        PixelArtIcon({QStringLiteral(":/tintwell/icon16.xpm"), QStringLiteral(":/tintwell/icon.xpm")});
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

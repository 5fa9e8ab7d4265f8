#include "ui/qt/Resources.h"

// Resources compiled into a static library are registered by hand, once.
static void InitResources()
{
    Q_INIT_RESOURCE(tintwell);
}

QIcon TintwellIcon()
{
    static const bool registered = (InitResources(), true);
    static_cast<void>(registered);
    QIcon icon;
    icon.addFile(QStringLiteral(":/tintwell/icon16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/tintwell/icon.xpm"), QSize(32, 32));
    return icon;
}

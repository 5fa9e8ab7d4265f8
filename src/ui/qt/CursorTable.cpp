#include "ui/qt/CursorTable.h"

#include "ui/qt/Resources.h"

#include <QPixmap>
#include <map>

namespace
{

std::map<int, QCursor>& Table()
{
    static std::map<int, QCursor> table;
    return table;
}

} // namespace

void InstallCursor(int number, const QCursor& cursor)
{
    Table()[number] = cursor;
}

QCursor CursorFor(int number)
{
    const auto found = Table().find(number);
    return found != Table().end() ? found->second : QCursor(Qt::ArrowCursor);
}

QCursor LoadDropperCursor()
{
    return QCursor(QPixmap::fromImage(PictureImage(RBuiltPicture::DropperCursor)), 1, 30);
}

QCursor DropperCursor()
{
    static const bool installed = (InstallCursor(crDropper, LoadDropperCursor()), true);
    static_cast<void>(installed);
    return CursorFor(crDropper);
}

#include "ui/qt/TBigScreenDlg.h"

#include "ui/qt/CursorTable.h"
#include "ui/qt/TTWMainForm.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner)
    : QWidget(&owner, Qt::Window | Qt::FramelessWindowHint), OwnerForm(owner)
{
    setObjectName("BigScreenDlg");
    setBackgroundRole(QPalette::Button);
    setMouseTracking(true); // movement without a button counts
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    InstallCursor(crDropper, LoadDropperCursor());
}

void TBigScreenDlg::ShowScreenImage(const QImage* image)
{
    ScreenImage = image;
    setCursor(CursorFor(crDropper));
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    LastPointer = mapFromGlobal(QCursor::pos());
    show();
    activateWindow(); // the keyboard comes here
}

ColorValue TBigScreenDlg::PixelAt(QPointF position) const
{
    if (ScreenImage == nullptr)
        return 0xFFFFFFFF;
    // The copy is painted one to one in device pixels.
    const qreal ratio = ScreenImage->devicePixelRatio();
    const int x = static_cast<int>(std::floor(position.x() * ratio + 0.5));
    const int y = static_cast<int>(std::floor(position.y() * ratio + 0.5));
    if (!ScreenImage->valid(x, y))
        return 0xFFFFFFFF;
    const QRgb pixel = ScreenImage->pixel(x, y);
    return ColorValueOf(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                        static_cast<std::uint8_t>(qBlue(pixel)));
}

void TBigScreenDlg::paintEvent(QPaintEvent*)
{
    if (ScreenImage != nullptr)
        QPainter(this).drawImage(0, 0, *ScreenImage);
}

void TBigScreenDlg::mouseMoveEvent(QMouseEvent* event)
{
    LastPointer = event->position();
    OwnerForm.ApplyColor(PixelAt(LastPointer));
}

void TBigScreenDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FormClick(event->position());
}

void TBigScreenDlg::FormClick(QPointF at)
{
    LastPointer = at;
    OwnerForm.ApplyColor(PixelAt(at));
    hide();
}

bool TBigScreenDlg::event(QEvent* event)
{
    // Tab and Backtab type characters too; they must not move the focus.
    if (event->type() == QEvent::KeyPress)
    {
        FormKeyPress(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void TBigScreenDlg::FormKeyPress(QKeyEvent* event)
{
    // A key that types a character (Enter, Escape, Space and Backspace
    // included) is swallowed and takes the pixel; arrows, function keys and
    // modifiers type nothing and do nothing.
    const bool typesCharacter = !event->text().isEmpty() || event->key() == Qt::Key_Escape ||
                                event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                                event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Space;
    event->accept();
    if (typesCharacter)
        FormClick(LastPointer);
}

void TBigScreenDlg::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    OwnerForm.EndMouseSelect();
}

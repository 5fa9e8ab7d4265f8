#include "ui/qt/TBigScreenDlg.h"

#include "ui/qt/CursorTable.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TTWMainForm.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner)
    // Typed as an ordinary window (no transient tie to the main window, which
    // would lift it to the main window's layer), and one that refuses focus.
    : QWidget(&owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), OwnerForm(owner)
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
    LastPointer = PointerDevicePixel();
    show();
    // Every key comes here from now on, wherever the focus is.
    KeyboardHeld = false;
    grabKeyboard();
    HoldKeyboard();
}

void TBigScreenDlg::HoldKeyboard()
{
    if (!KeyboardHeld && windowHandle() != nullptr)
        KeyboardHeld = windowHandle()->setKeyboardGrabEnabled(true);
}

QPoint TBigScreenDlg::DevicePixelOf(QPointF position) const
{
    return DevicePixelAt(position, ScreenImage != nullptr ? ScreenImage->devicePixelRatio() : devicePixelRatioF());
}

QPoint TBigScreenDlg::PointerDevicePixel() const
{
    // The window lies at the primary screen's origin, as the copy does.
    if (const auto pointer = PointerOnScreen(*QGuiApplication::primaryScreen()))
        return *pointer;
    return DevicePixelOf(mapFromGlobal(QCursor::pos()));
}

ColorValue TBigScreenDlg::CopyPixel(QPoint devicePixel) const
{
    return ScreenImage != nullptr ? ImagePixel(*ScreenImage, devicePixel) : 0xFFFFFFFF;
}

void TBigScreenDlg::paintEvent(QPaintEvent*)
{
    if (ScreenImage != nullptr)
        QPainter(this).drawImage(0, 0, *ScreenImage); // one to one in device pixels
    if (ScreenImage != nullptr && isVisible())
        HoldKeyboard();
}

// The scene position keeps the fraction of a logical pixel that a scaled
// screen gives a device pixel; the plain position is rounded to whole
// logical pixels and could name the neighbouring device pixel.
void TBigScreenDlg::mouseMoveEvent(QMouseEvent* event)
{
    LastPointer = DevicePixelOf(event->scenePosition());
    OwnerForm.ApplyColor(CopyPixel(LastPointer));
}

void TBigScreenDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FormClick(DevicePixelOf(event->scenePosition()));
}

void TBigScreenDlg::FormClick(QPoint devicePixel)
{
    LastPointer = devicePixel;
    OwnerForm.ApplyColor(CopyPixel(devicePixel));
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
    // included) is swallowed and takes the pixel under the pointer; arrows,
    // function keys and modifiers type nothing and do nothing.
    const bool typesCharacter = !event->text().isEmpty() || event->key() == Qt::Key_Escape ||
                                event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                                event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Space;
    event->accept();
    if (!typesCharacter)
        return;
    if (const auto pointer = PointerOnScreen(*QGuiApplication::primaryScreen()))
        LastPointer = *pointer;
    FormClick(LastPointer);
}

void TBigScreenDlg::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    releaseKeyboard();
    KeyboardHeld = false;
    OwnerForm.EndMouseSelect();
}

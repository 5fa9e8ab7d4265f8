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
#include <QTimer>
#include <QWindow>

#include <algorithm>

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner)
    // Typed as an ordinary window (no transient tie to the main window, which
    // would lift it to the main window's layer), and one that refuses focus.
    : QWidget(&owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), OwnerForm(owner)
{
    setObjectName("BigScreenDlg");
    setBackgroundRole(QPalette::Button);
    setMouseTracking(true); // movement without a button counts
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    SetDrawsStraight(DisplayTakesRgb32Pixels());
}

QPaintEngine* TBigScreenDlg::paintEngine() const
{
    return DrawsStraight() ? nullptr : QWidget::paintEngine();
}

bool TBigScreenDlg::DrawsStraight() const
{
    return testAttribute(Qt::WA_PaintOnScreen);
}

void TBigScreenDlg::SetDrawsStraight(bool straight)
{
    setAttribute(Qt::WA_PaintOnScreen, straight);
    setAttribute(Qt::WA_NoSystemBackground, straight);
}

void TBigScreenDlg::ShowScreenImage(const QImage* image)
{
    ScreenImage = image;
    // Made at the first sampling, not at every start of the program.
    static const bool installed = (InstallCursor(crDropper, LoadDropperCursor()), true);
    static_cast<void>(installed);
    setCursor(CursorFor(crDropper));
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    WindowOrigin = WindowOriginOnScreen(*this, *QGuiApplication::primaryScreen());
    LastPointer = PointerDevicePixel();
    MoveLoupe();
    show();
    // Every key comes here from now on, wherever the focus is; the server's
    // side of the grab is confirmed when the copy is painted.
    KeyboardHeld = false;
    grabKeyboard();
}

void TBigScreenDlg::HoldKeyboard()
{
    if (!KeyboardHeld && windowHandle() != nullptr)
        KeyboardHeld = windowHandle()->setKeyboardGrabEnabled(true);
}

// The scene position keeps the fraction of a logical pixel that names the
// device pixel at a scaled display; the plain and global positions are
// rounded to whole logical pixels on their way.
QPoint TBigScreenDlg::CopyPixelAt(const QMouseEvent& event) const
{
    return WindowOrigin + DevicePixelAt(event.scenePosition(), devicePixelRatioF());
}

QPoint TBigScreenDlg::PointerDevicePixel() const
{
    if (const auto pointer = PointerOnScreen(*QGuiApplication::primaryScreen()))
        return *pointer;
    return ScreenPixelAt(QCursor::pos(), *QGuiApplication::primaryScreen());
}

ColorValue TBigScreenDlg::CopyPixel(QPoint devicePixel) const
{
    return ScreenImage != nullptr ? ImagePixel(*ScreenImage, devicePixel) : 0xFFFFFFFF;
}

void TBigScreenDlg::paintEvent(QPaintEvent* event)
{
    if (ScreenImage == nullptr)
        return;
    ++PaintCount;
    // One to one in device pixels, and lined up with the screen wherever the
    // window manager put the window: each pixel shows where it was copied.
    WindowOrigin = WindowOriginOnScreen(*this, *QGuiApplication::primaryScreen());
    if (DrawsStraight() && CheckedWindow != internalWinId())
    {
        if (!WindowTakesRgb32Pixels(*this))
        {
            // A window of another depth: the toolkit paints it after all.
            SetDrawsStraight(false);
            update();
            return;
        }
        CheckedWindow = internalWinId();
    }
    if (DrawsStraight())
    {
        PutStraight(event->region());
        if (isVisible())
            HoldKeyboard();
        return;
    }
    const qreal ratio = ScreenImage->devicePixelRatio();
    QPainter painter(this);
    painter.drawImage(QPointF(-WindowOrigin.x() / ratio, -WindowOrigin.y() / ratio), *ScreenImage);
    // The magnifier in the copy's device pixels.
    QTransform devicePixels;
    devicePixels.scale(1 / ratio, 1 / ratio);
    devicePixels.translate(-WindowOrigin.x(), -WindowOrigin.y());
    painter.setWorldTransform(devicePixels);
    TheLoupe.Paint(painter, *ScreenImage, OwnerForm.CurrentColor().GetHexFormat());
    if (isVisible())
        HoldKeyboard();
}

void TBigScreenDlg::PutStraight(const QRegion& region)
{
    // A band stays small next to the copy, whatever the screen's size.
    constexpr int BandBytes = 256 * 1024;
    const qreal ratio = devicePixelRatioF();
    const QRect windowPixels(QPoint(0, 0), (QSizeF(size()) * ratio).toSize());
    const int notation = OwnerForm.CurrentColor().GetHexFormat();
    for (const QRect& logical : region)
    {
        const QRect device =
            QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect() & windowPixels;
        if (device.isEmpty())
            continue;
        QImage band(device.width(), std::clamp(BandBytes / (device.width() * 4), 1, device.height()),
                    QImage::Format_RGB32);
        for (int top = device.top(); top <= device.bottom(); top += band.height())
        {
            const QRect part(device.left(), top, device.width(), std::min(band.height(), device.bottom() + 1 - top));
            CopyPixelsInto(band, part);
            if (TheLoupe.Area.intersects(part.translated(WindowOrigin)))
            {
                QPainter painter(&band);
                painter.setWorldTransform(
                    QTransform::fromTranslate(-(WindowOrigin.x() + part.x()), -(WindowOrigin.y() + part.y())));
                TheLoupe.Paint(painter, *ScreenImage, notation);
            }
            // The band's top rows, without copying them.
            const QImage rows(band.constBits(), part.width(), part.height(), band.bytesPerLine(), band.format());
            PutWindowPixels(*this, rows, part.topLeft());
        }
    }
}

void TBigScreenDlg::CopyPixelsInto(QImage& band, const QRect& part) const
{
    const QRgb background = palette().color(QPalette::Button).rgb();
    const QRect copied = part.translated(WindowOrigin) & ScreenImage->rect();
    const bool wordPixels = ScreenImage->depth() == 32;
    for (int row = 0; row < part.height(); ++row)
    {
        auto* to = reinterpret_cast<QRgb*>(band.scanLine(row));
        const int y = WindowOrigin.y() + part.y() + row;
        if (y < copied.top() || y > copied.bottom())
        {
            std::fill(to, to + part.width(), background);
            continue;
        }
        const int before = copied.left() - (WindowOrigin.x() + part.x());
        std::fill(to, to + before, background);
        if (wordPixels)
        {
            const auto* from = reinterpret_cast<const QRgb*>(ScreenImage->constScanLine(y)) + copied.left();
            std::copy(from, from + copied.width(), to + before);
        }
        else
            for (int x = 0; x < copied.width(); ++x)
                to[before + x] = ScreenImage->pixel(copied.left() + x, y);
        std::fill(to + before + copied.width(), to + part.width(), background);
    }
}

void TBigScreenDlg::MoveLoupe()
{
    if (!LoupeShown || ScreenImage == nullptr)
        return;
    const qreal ratio = ScreenImage->devicePixelRatio();
    // The main window stays above the copy and would hide the magnifier.
    const QScreen& screen = *QGuiApplication::primaryScreen();
    const QRect frame = OwnerForm.frameGeometry();
    const QRect mainWindow(ScreenPixelAt(frame.topLeft(), screen), ScreenPixelAt(frame.bottomRight(), screen));
    const QRect covered = TheLoupe.MoveTo(LastPointer, ScreenImage->size(), ratio, mainWindow);
    // The device area, in this window's logical pixels, whole.
    update(QRectF(QPointF(covered.topLeft() - WindowOrigin) / ratio, QSizeF(covered.size()) / ratio)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void TBigScreenDlg::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    WindowOrigin = WindowOriginOnScreen(*this, *QGuiApplication::primaryScreen());
    update();
}

void TBigScreenDlg::mouseMoveEvent(QMouseEvent* event)
{
    LastPointer = CopyPixelAt(*event);
    MoveLoupe();
    OwnerForm.ApplyColor(CopyPixel(LastPointer));
}

void TBigScreenDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FormClick(CopyPixelAt(*event));
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
    TheLoupe.Hide();
    releaseKeyboard();
    KeyboardHeld = false;
    OwnerForm.EndMouseSelect();
    // Painted by the toolkit, the hidden window would keep its screen-sized
    // buffer until the program ends; its native window goes once the hiding
    // is done, and the next sampling makes a new one. Drawn straight, it has
    // no such buffer and stays, ready for the next sampling.
    if (!DrawsStraight())
        QTimer::singleShot(0, this, [this]
        {
            if (!isVisible())
                destroy();
        });
}

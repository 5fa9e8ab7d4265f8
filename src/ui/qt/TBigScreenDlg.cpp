#include "ui/qt/TBigScreenDlg.h"

#include "ui/AccessibleNames.h"

#include "ui/qt/CursorTable.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TTWMainForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegion>
#include <QWindow>

#include <utility>

TBigScreenDlg::TBigScreenDlg(TTWMainForm& owner)
    // Typed as an ordinary window (no transient tie to the main window, which
    // would lift it to the main window's layer), and one that refuses focus.
    : QWidget(&owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), OwnerForm(owner)
{
    setObjectName("BigScreenDlg");
    setAccessibleName(QString::fromLatin1(SamplingWindowName));
    setBackgroundRole(QPalette::Button);
    setMouseTracking(true); // movement without a button counts
    // Nothing of the toolkit's paints it: no buffer as large as the desktop.
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
}

bool TBigScreenDlg::ShowScreenImage(const RDesktopCopy* image)
{
    ScreenImage = image;
    TheLoupeBlockArea = QRect(); // of the last copy
    setCursor(DropperCursor());
    // Made without asking for its id, which would turn every widget of the
    // main window into a native window of its own.
    if (internalWinId() == 0)
        create();
    // A pixel beyond the desktop on every side, out of sight: window
    // managers take an undecorated window exactly as large as the desktop
    // for an old-style full-screen one, and lift it above always-on-top
    // windows while the focus is on another monitor.
    const int margin = RDesktopCopy::Margin;
    TheCovered = image->Area().adjusted(-margin, -margin, margin, margin);
    TheCoverTries = 0;
    CoverDesktop(*this, TheCovered);
    TheShownOrigin = TheWindowOrigin = TheCovered.topLeft();
    if (!image->ShowIn(*this, TheShownOrigin))
    {
        ScreenImage = nullptr;
        return false;
    }
    TheMonitors = DesktopMonitors();
    // Asked once a showing: the answer is the window's, which stays.
    ThePutsLoupePixels = WindowTakesRgb32Pixels(*this);
    TheLastPointer = PointerDevicePixel();
    TheLoupe.Hide();
    MoveLoupe();
    show();
    // Showing sets the window's size again from its size in layout pixels,
    // which a monitor of another scale turns into another number of device
    // pixels.
    CoverDesktop(*this, TheCovered);
    // Every key comes here from now on, wherever the focus is; the server's
    // side of the grab is confirmed when the window is painted.
    TheKeyboardHeld = false;
    grabKeyboard();
    return true;
}

void TBigScreenDlg::HoldKeyboard()
{
    if (!TheKeyboardHeld && windowHandle() != nullptr)
        TheKeyboardHeld = windowHandle()->setKeyboardGrabEnabled(true);
    // A window that bypasses the window manager (a notification) may stay
    // above the copy: the pointer too is held, so it gets no click.
    if (!ThePointerHeld)
        ThePointerHeld = HoldPointer(*this);
}

// The scene position keeps the fraction of a logical pixel that names the
// device pixel at a scaled display; the plain and global positions are
// rounded to whole logical pixels on their way. The window has one scale
// wherever it lies, so this holds on every monitor.
QPoint TBigScreenDlg::CopyPixelAt(const QMouseEvent& event) const
{
    return TheWindowOrigin + DevicePixelAt(event.scenePosition(), devicePixelRatioF());
}

QPoint TBigScreenDlg::PointerDevicePixel() const
{
    if (const auto pointer = PointerOnDesktop())
        return *pointer;
    return DesktopPixelAt(QCursor::pos());
}

ColorValue TBigScreenDlg::CopyPixel(QPoint desktopPixel) const
{
    if (ScreenImage == nullptr)
        return 0xFFFFFFFF;
    if (TheLoupeBlockArea.contains(desktopPixel))
    {
        const QPoint at = desktopPixel - TheLoupeBlockArea.topLeft();
        return TheLoupeBlock[static_cast<std::size_t>(at.y() * TheLoupeBlockArea.width() + at.x())];
    }
    return ScreenImage->Pixel(desktopPixel);
}

void TBigScreenDlg::FollowWindowOrigin()
{
    if (!isVisible())
        return;
    TheWindowOrigin = WindowOriginOnDesktop(*this);
    if (ScreenImage != nullptr && TheWindowOrigin != TheShownOrigin)
    {
        TheShownOrigin = TheWindowOrigin;
        ScreenImage->ShowIn(*this, TheShownOrigin);
    }
}

bool TBigScreenDlg::nativeEvent(const QByteArray& type, void* message, qintptr* result)
{
    // A window manager may shift the copy by less than a logical pixel, which
    // the toolkit reports as no move at all; its notice comes before any
    // movement over the new place, so every movement is read where the
    // window is.
    if (IsConfigureNotice(type, message))
        FollowWindowOrigin();
    return QWidget::nativeEvent(type, message, result);
}

void TBigScreenDlg::paintEvent(QPaintEvent* event)
{
    if (ScreenImage == nullptr)
        return;
    ++ThePaintCount;
    // The server has shown the copy; only the magnifier is ours to draw.
    FollowWindowOrigin();
    const qreal ratio = devicePixelRatioF();
    const QRect loupe = TheLoupe.Area.translated(-TheWindowOrigin);
    const QRect logical = QRectF(QPointF(loupe.topLeft()) / ratio, QSizeF(loupe.size()) / ratio).toAlignedRect();
    if (event->region().intersects(logical))
        DrawLoupe();
    if (isVisible())
        HoldKeyboard();
}

void TBigScreenDlg::DrawLoupe()
{
    if (TheLoupe.Area.isEmpty() || ScreenImage == nullptr || !ThePutsLoupePixels)
        return;
    TheLoupeBlockArea = TheLoupe.Source();
    TheLoupeBlock = ScreenImage->PixelBlock(TheLoupeBlockArea);
    PutWindowPixels(*this, TheLoupe.Render(TheLoupeBlock, OwnerForm.CurrentColor().GetHexFormat()),
                    TheLoupe.Area.topLeft() - TheWindowOrigin);
}

void TBigScreenDlg::MoveLoupe()
{
    if (!TheLoupeShown || ScreenImage == nullptr)
        return;
    const int monitor = MonitorAt(TheMonitors, TheLastPointer.x(), TheLastPointer.y());
    const RMonitor on = monitor >= 0 ? TheMonitors[static_cast<std::size_t>(monitor)]
                                     : RMonitor{ScreenImage->Area().x(), ScreenImage->Area().y(),
                                                ScreenImage->Area().width(), ScreenImage->Area().height(), 1};
    const QRect before = TheLoupe.Area;
    // The main window stays above the copy and would hide the magnifier.
    TheLoupe.MoveTo(TheLastPointer, QRect(on.Left, on.Top, on.Width, on.Height), on.Ratio,
                    WindowFrameOnDesktop(OwnerForm));
    // Where it was and is no more, the copy again; then its new picture.
    for (const QRect& uncovered : QRegion(before).subtracted(TheLoupe.Area))
        RestoreWindowPixels(*this, uncovered.translated(-TheWindowOrigin));
    if (isVisible())
        DrawLoupe();
}

void TBigScreenDlg::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    KeepCovering();
    FollowWindowOrigin();
}

void TBigScreenDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    KeepCovering();
}

void TBigScreenDlg::KeepCovering()
{
    // The toolkit places a window that spans monitors of different scales
    // by one monitor's scale, and may move it off the desktop's origin; a
    // few tries, so that a window manager that insists is not fought for
    // ever.
    if (!isVisible() || ScreenImage == nullptr || TheCoverTries >= 3)
        return;
    if (WindowOriginOnDesktop(*this) == TheCovered.topLeft() && WindowSizeOnDesktop(*this) == TheCovered.size())
        return;
    ++TheCoverTries;
    CoverDesktop(*this, TheCovered);
}

void TBigScreenDlg::mouseMoveEvent(QMouseEvent* event)
{
    TheLastPointer = CopyPixelAt(*event);
    MoveLoupe();
    OwnerForm.Sampling().Follow(CopyPixel(TheLastPointer));
}

void TBigScreenDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A window manager may shift the window by less than a logical pixel,
    // which the toolkit reports as no move at all; the pixel taken must
    // not be off by that.
    FollowWindowOrigin();
    FormClick(CopyPixelAt(*event));
}

void TBigScreenDlg::FormClick(QPoint desktopPixel)
{
    TheLastPointer = desktopPixel;
    OwnerForm.Sampling().Take(CopyPixel(desktopPixel));
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

bool KeyTypesCharacter(const QKeyEvent& event)
{
    return !event.text().isEmpty() || event.key() == Qt::Key_Escape || event.key() == Qt::Key_Return ||
           event.key() == Qt::Key_Enter || event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Space;
}

void TBigScreenDlg::FormKeyPress(QKeyEvent* event)
{
    // Every key is swallowed; the session says what it does.
    event->accept();
    switch (OwnerForm.Sampling().KeyPressed(KeyTypesCharacter(*event), event->key() == Qt::Key_Escape))
    {
    case RSamplingKey::Nothing:
        return;
    case RSamplingKey::Cancels:
        OwnerForm.Sampling().Cancel();
        hide();
        return;
    case RSamplingKey::Takes:
        if (const auto pointer = PointerOnDesktop())
            TheLastPointer = *pointer;
        FormClick(TheLastPointer);
        return;
    }
}

void TBigScreenDlg::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    TheLoupe.Hide();
    releaseKeyboard();
    TheKeyboardHeld = false;
    if (std::exchange(ThePointerHeld, false))
        ReleasePointer();
    // The hidden window would keep the copy alive on the server.
    RDesktopCopy::ShowNothingIn(*this);
    OwnerForm.EndMouseSelect();
}

void TBigScreenDlg::Announce(const std::string& text)
{
    // A new name is told to the screen reader as a change of it.
    setAccessibleName(QString::fromStdString(text));
}

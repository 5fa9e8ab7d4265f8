#pragma once

#include "colour/ColorValue.h"
#include "ui/DesktopMonitors.h"
#include "ui/qt/RLoupe.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <string>

#include <vector>

class QKeyEvent;
class RDesktopCopy;
class TTWMainForm;

// Whether a key pressed while sampling types a character (Enter, Escape,
// Space and Backspace included), and so takes the pixel.
bool KeyTypesCharacter(const QKeyEvent& event);

// The window over the whole desktop, every monitor, that shows a frozen copy
// of it under the eyedropper while the user picks a pixel. Every movement
// makes the pixel under the pointer the main window's colour; a left click,
// or any key that types a character, takes the pixel one last time and hides
// the window.
//
// It never takes the focus: window managers lift a focused window that
// fills the screen above always-on-top windows, which would bury the main
// window under the copy. It holds the keyboard with a grab instead.
//
// The display server shows the copy as the window's background, one to one
// in device pixels on every monitor whatever its scale; the window draws
// only the magnifier over it.
class TBigScreenDlg : public QWidget
{
    Q_OBJECT
public:
    explicit TBigScreenDlg(TTWMainForm& owner);

    // Shows image (not owned; it must outlive the showing) over the desktop;
    // false when this window cannot show it.
    bool ShowScreenImage(const RDesktopCopy* image);
    // What a screen reader hears of it now.
    void Announce(const std::string& text);

    // The magnifier beside the hot spot, shown unless turned off.
    void SetLoupeShown(bool shown) { TheLoupeShown = shown; }
    const RLoupe& Loupe() const { return TheLoupe; }
    // How often the window has been painted (benchmarks wait for the first).
    int Paints() const { return ThePaintCount; }
    // The copy shown; none while hidden.
    const RDesktopCopy* ScreenImageShown() const { return isVisible() ? ScreenImage : nullptr; }

    // None: the server paints the copy, and the magnifier's pixels are put
    // straight.
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormClick(QPoint desktopPixel);
    void FormKeyPress(QKeyEvent* event);
    // The copy's pixel; all bits set outside it.
    ColorValue CopyPixel(QPoint desktopPixel) const;
    // The desktop pixel under an event's position in this window.
    QPoint CopyPixelAt(const QMouseEvent& event) const;
    QPoint PointerDevicePixel() const;
    void HoldKeyboard();
    // Follows where the window manager put the window: the copy is shown
    // from there.
    void FollowWindowOrigin();
    // Puts the window back over the whole desktop where it was moved off.
    void KeepCovering();
    // Moves the magnifier beside the pointer and draws it there, and has
    // the server show the copy again where it was.
    void MoveLoupe();
    void DrawLoupe();

    TTWMainForm& OwnerForm;
    const RDesktopCopy* ScreenImage = nullptr;
    std::vector<RMonitor> TheMonitors;
    // Where the pointer was last seen, on the desktop: the keyboard takes
    // the pixel there when the server cannot say.
    QPoint TheLastPointer;
    // Where the window lies on the desktop, in device pixels: where the
    // window manager put it, not always where it was asked to go.
    QPoint TheWindowOrigin;
    // The desktop's area that the window covers, and how often it was put
    // back there in this showing.
    QRect TheCovered;
    int TheCoverTries = 0;
    // The origin the copy is shown for.
    QPoint TheShownOrigin;
    // The server grants a keyboard grab only to a window on the screen, so
    // the grab is retried when the window is first painted.
    bool TheKeyboardHeld = false;
    bool ThePointerHeld = false;
    RLoupe TheLoupe;
    // Whether the window takes the loupe's 32-bit pixels straight.
    bool ThePutsLoupePixels = false;
    // The pixels the loupe last showed, read in one request: the pixel under
    // the hot spot is among them, and needs no request of its own.
    std::vector<ColorValue> TheLoupeBlock;
    QRect TheLoupeBlockArea;
    bool TheLoupeShown = true;
    int ThePaintCount = 0;
};

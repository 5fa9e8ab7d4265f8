#pragma once

#include "colour/ColorValue.h"
#include "ui/qt/RLoupe.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

class QImage;
class TTWMainForm;

// The full-screen window that shows a frozen copy of the screen under the
// eyedropper while the user picks a pixel. Every movement makes the pixel
// under the pointer the main window's colour; a left click, or any key that
// types a character, takes the pixel one last time and hides the window.
//
// It never takes the focus: window managers lift a focused window that
// fills the screen above always-on-top windows, which would bury the main
// window under the copy. It holds the keyboard with a grab instead.
class TBigScreenDlg : public QWidget
{
    Q_OBJECT
public:
    explicit TBigScreenDlg(TTWMainForm& owner);

    // Shows image (not owned; it must outlive the showing) over the screen.
    void ShowScreenImage(const QImage* image);

    // The magnifier beside the hot spot, shown unless turned off.
    void SetLoupeShown(bool shown) { LoupeShown = shown; }
    const RLoupe& Loupe() const { return TheLoupe; }
    // How often the copy has been painted (benchmarks wait for the first).
    int Paints() const { return PaintCount; }
    // The copy shown; none while hidden.
    const QImage* ScreenImageShown() const { return isVisible() ? ScreenImage : nullptr; }

    // The toolkit's painting, or none where the window's pixels are put
    // straight from the copy.
    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormClick(QPoint devicePixel);
    void FormKeyPress(QKeyEvent* event);
    // The copy's device pixel; all bits set outside it.
    ColorValue CopyPixel(QPoint devicePixel) const;
    // The copy's device pixel under an event's position in this window.
    QPoint CopyPixelAt(const QMouseEvent& event) const;
    QPoint PointerDevicePixel() const;
    void HoldKeyboard();
    void MoveLoupe();
    // Puts the region's pixels straight on the screen: the copy's with the
    // loupe over them, a band of rows at a time.
    void PutStraight(const QRegion& region);
    // Whether the copy goes straight to the X server, from the copy itself,
    // instead of through a buffer of the toolkit's as large as the screen,
    // which would hold the copy twice while sampling.
    bool DrawsStraight() const;
    void SetDrawsStraight(bool straight);
    // The copy's pixels (and the background beyond it) under the window's
    // device rectangle part, into the top rows of band.
    void CopyPixelsInto(QImage& band, const QRect& part) const;

    TTWMainForm& OwnerForm;
    const QImage* ScreenImage = nullptr;
    // Where the pointer was last seen, in device pixels of the copy: the
    // keyboard takes the pixel there when the server cannot say.
    QPoint LastPointer;
    // Where the window lies on the screen, in device pixels: where the window
    // manager put it, not always where it was asked to go.
    QPoint WindowOrigin;
    // The server grants a keyboard grab only to a window on the screen, so
    // the grab is retried when the copy is first painted.
    bool KeyboardHeld = false;
    RLoupe TheLoupe;
    bool LoupeShown = true;
    int PaintCount = 0;
    // The native window whose depth was found to take the copy's pixels.
    WId CheckedWindow = 0;
};

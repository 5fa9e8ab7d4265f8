#pragma once

#include "colour/ColorValue.h"

#include <QPointF>
#include <QWidget>

class QImage;
class TTWMainForm;

// The full-screen window that shows a frozen copy of the screen under the
// eyedropper while the user picks a pixel. Every movement makes the pixel
// under the pointer the main window's colour; a left click, or any key that
// types a character, takes the pixel one last time and hides the window.
class TBigScreenDlg : public QWidget
{
    Q_OBJECT
public:
    explicit TBigScreenDlg(TTWMainForm& owner);

    // Shows image (not owned; it must outlive the showing) over the screen.
    void ShowScreenImage(const QImage* image);
    // The copy's pixel under a point in this window's coordinates: device
    // pixels, so that a scaled screen gives the pixel under the hot spot.
    // All bits set when the point lies outside the copy.
    ColorValue PixelAt(QPointF position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormClick(QPointF at);
    void FormKeyPress(QKeyEvent* event);

    TTWMainForm& OwnerForm;
    const QImage* ScreenImage = nullptr;
    // Where the pointer was last seen, precisely: the keyboard takes the
    // pixel there.
    QPointF LastPointer;
};

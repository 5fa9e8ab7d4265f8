#pragma once

#include "ui/RSwatchRenderer.h"

#include <QImage>
#include <QWidget>

// One of the three pictures beside the edit boxes: the hue/saturation plane
// with its circle, the luminance bar, or the arrow beside the bar. Reports
// where a mouse button was released, in its own coordinates; a press inside
// is followed to its release, also outside the image.
class RSwatchImage : public QWidget
{
    Q_OBJECT
public:
    enum class Kind
    {
        Plane,
        Bar,
        Arrow,
    };

    RSwatchImage(Kind kind, QWidget* parent);

    // Takes the picture's pixels and marker; repaints later.
    void Show(const RSwatchPicture& picture);

signals:
    void MouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind Which;
    QImage Pixels;
    // The plane last copied: one renderer's plane never changes, so it is
    // converted once, not at every movement of the eyedropper.
    const ColorValue* ShownPlane = nullptr;
    int MarkerX = 0;
    int MarkerY = 0;
    int BarWidth = 0;
};

#include "ui/qt/RSwatchImage.h"

#include "ui/LayoutScale.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/Resources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

RSwatchImage::RSwatchImage(Kind kind, QWidget* parent) : QWidget(parent), Which(kind)
{
}

void RSwatchImage::Show(const RSwatchPicture& picture)
{
    const RSwatchLayout& size = picture.Layout;
    const bool plane = Which == Kind::Plane;
    const bool unchanged = plane && picture.Plane.data() == ShownPlane;
    if (Which != Kind::Arrow && !unchanged)
    {
        const int width = plane ? size.PlaneWidth : size.BarWidth;
        const int height = plane ? size.PlaneHeight : size.BarHeight;
        if (Pixels.width() != width || Pixels.height() != height)
            Pixels = QImage(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
        {
            auto* line = reinterpret_cast<QRgb*>(Pixels.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = ToQRgb(plane ? picture.PlanePixel(x, y) : picture.BarPixel(x, y));
        }
        if (plane)
            ShownPlane = picture.Plane.data();
    }
    MarkerX = picture.MarkerX;
    MarkerY = Which == Kind::Arrow ? picture.ArrowY : picture.MarkerY;
    BarWidth = size.BarWidth;
    update();
}

void RSwatchImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Drawn in the layout's pixels, enlarged as the window is: each of the
    // picture's pixels a block, never blended with its neighbours.
    const qreal scale = static_cast<qreal>(FormDpi()) / LayoutDpi;
    painter.scale(scale, scale);
    switch (Which)
    {
    case Kind::Plane:
        painter.drawImage(0, 0, Pixels);
        // The box from (x - 5, y - 5) to (x + 5, y + 5), right and bottom edges
        // excluded: Qt's outline covers one pixel more than the rectangle's size.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(MarkerX - 5, MarkerY - 5, 9, 9));
        break;
    case Kind::Bar:
        painter.drawImage(0, 0, Pixels);
        break;
    case Kind::Arrow:
    {
        // Wipes the old arrow, then points at the bar; the wide end lies at
        // the bar's width, beyond this image's right edge, and is cut off.
        const QColor face = palette().color(QPalette::Button);
        painter.fillRect(QRectF(QPointF(), QSizeF(size()) / scale), face);
        const QColor arrow = ToQColor(LuminanceArrowColor(FromQColor(face)));
        painter.setPen(arrow);
        painter.setBrush(arrow);
        const QPoint corners[] = {{0, MarkerY}, {BarWidth, MarkerY - 5}, {BarWidth, MarkerY + 5}};
        painter.drawPolygon(corners, 3);
        break;
    }
    }
}

void RSwatchImage::mouseReleaseEvent(QMouseEvent* event)
{
    // The picture's own pixel under the pointer, however enlarged.
    const QPoint at = event->position().toPoint();
    emit MouseUp(ToLayoutPixel(at.x(), FormDpi()), ToLayoutPixel(at.y(), FormDpi()));
}

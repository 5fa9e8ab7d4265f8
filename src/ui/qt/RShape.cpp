#include "ui/qt/RShape.h"

#include "ui/qt/QtColor.h"

#include <QPainter>

RShape::RShape(QWidget* parent) : QWidget(parent)
{
}

void RShape::SetFill(ColorValue color)
{
    Fill = color;
    update();
}

void RShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Fill));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

#pragma once

#include "colour/ColorValue.h"

#include <QWidget>

// The swatch: a rectangle filled with one colour inside a one-pixel black line.
class RShape : public QWidget
{
public:
    explicit RShape(QWidget* parent);

    ColorValue GetFill() const { return Fill; }
    // Fills with color and asks for a repaint.
    void SetFill(ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorValue Fill = 0x00FFFFFF;
};

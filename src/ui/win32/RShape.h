#pragma once

#include "colour/ColorValue.h"
#include "ui/win32/RWindow.h"

// The swatch: a rectangle filled with one colour inside a one-pixel black line.
class RShape : public RWindow
{
public:
    RShape(HWND parent, int left, int top, int width, int height);
    ColorValue GetFill() const { return Fill; }
    // Fills with color and asks for a repaint.
    void SetFill(ColorValue color);

protected:
    void Paint(HDC dc) override;

private:
    ColorValue Fill = 0x00FFFFFF;
};

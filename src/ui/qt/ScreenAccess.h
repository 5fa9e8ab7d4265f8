#pragma once

#include "colour/ColorValue.h"

#include <QImage>
#include <QPoint>
#include <QPointF>

#include <optional>

class QScreen;
class QWidget;

// The one place that knows how the screen is sampled on the display server
// the program runs on. X11 and the like allow a copy of the whole screen and
// tell where the pointer is, so the dropper follows the pointer over a frozen
// copy. Wayland allows neither: there the desktop's own picker, reached
// through the desktop portal, takes the pixel.
enum class RSamplingMethod
{
    ScreenCopy,
    DesktopPortal,
};

RSamplingMethod SamplingMethodOfThisDisplay();

// One block copy of the whole of screen, in device pixels, with the screen's
// device pixel ratio; a null image when the display server refuses.
QImage CopyScreen(QScreen& screen);

// Whether windows on this display can be given 32-bit RGB pixels straight,
// without the toolkit's window-sized buffer: X11 with such pixels.
bool DisplayTakesRgb32Pixels();
// Whether window, made and on a display that takes such pixels, has the
// screen's depth, so that its pixels can be put straight (asks the server).
bool WindowTakesRgb32Pixels(const QWidget& window);
// Puts pixels (32-bit RGB) at the device position at of window, in as many
// requests as the server's request size needs.
void PutWindowPixels(const QWidget& window, const QImage& pixels, QPoint at);

// The device pixel under a position given in logical coordinates of a window
// that starts on a device pixel boundary. Positions come from the server in
// device pixels, so scaling back and rounding recovers them exactly.
QPoint DevicePixelAt(QPointF position, qreal devicePixelRatio);

// Where the pointer's hot spot is, exactly, in device pixels from the top
// left of screen; none when the display server does not say (or the pointer
// is on another X screen).
std::optional<QPoint> PointerOnScreen(const QScreen& screen);

// Where the top left of window's client area lies, in device pixels from the
// top left of screen: the server's own figure where it gives one, since a
// window manager may put a window elsewhere than asked.
QPoint WindowOriginOnScreen(const QWidget& window, const QScreen& screen);

// The device pixel of screen under a position in global logical coordinates.
QPoint ScreenPixelAt(QPointF globalPosition, const QScreen& screen);

// A pixel of image as a colour value; all bits set outside the image.
ColorValue ImagePixel(const QImage& image, QPoint devicePixel);

// The window's own pixel under a position in its logical coordinates, as it
// paints it on the screen; all bits set when it cannot be read.
ColorValue WindowPixel(QWidget& window, QPointF position);

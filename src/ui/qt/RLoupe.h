#pragma once

#include "colour/RColor.h"

#include <QFont>
#include <QPoint>
#include <QRect>

class QImage;
class QPainter;

// The magnifier beside the eyedropper: the copy's pixels around the hot spot,
// each a square of device pixels with the one under the hot spot framed, and
// that pixel's literal beneath. Drawn in device pixels, so it shows exactly
// the copy's pixels at every display scale; it changes nothing about which
// pixel is taken.
class RLoupe
{
public:
    static constexpr int Cells = 15; // across and down; the hot spot's in the middle
    static constexpr int CellSize = 8; // device pixels
    static constexpr int Border = 1;

    // Moves the magnifier beside hotSpot (device pixels of the copy) on a
    // screen of screenSize device pixels, clear of avoid where it can be.
    // Returns the device area it covered before and covers now, which need
    // painting.
    QRect MoveTo(QPoint hotSpot, QSize screenSize, qreal ratio, const QRect& avoid = QRect());
    void Hide() { Area = {}; }

    // Draws it onto painter (set up in the copy's device pixels) from copy,
    // the literal in notation of the pixel under the hot spot.
    void Paint(QPainter& painter, const QImage& copy, int notation) const;

    // Where it lies, in device pixels of the copy; empty while hidden.
    QRect Area;
    // The copy's pixel it centres on.
    QPoint HotSpot;

private:
    int TextHeight = 0;
    QFont TextFont; // sized for TextHeight, made when that changes
};

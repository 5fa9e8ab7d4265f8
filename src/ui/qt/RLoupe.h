#pragma once

#include "colour/RColor.h"
#include "ui/LoupePlacement.h"

#include <QFont>
#include <QPoint>
#include <QRect>

#include <QImage>

// The magnifier beside the eyedropper: the copy's pixels around the hot spot,
// each a square of device pixels with the one under the hot spot framed, and
// that pixel's literal beneath. Drawn in device pixels, so it shows exactly
// the copy's pixels at every display scale; it changes nothing about which
// pixel is taken.
class RLoupe
{
public:
    static constexpr int Cells = RLoupeLayout::Cells;
    static constexpr int CellSize = RLoupeLayout::CellSize;
    static constexpr int Border = RLoupeLayout::Border;

    // Moves the magnifier beside hotSpot (device pixels of the desktop) on
    // monitor, whose windows are drawn at ratio, clear of avoid where it can
    // be.
    void MoveTo(QPoint hotSpot, const QRect& monitor, qreal ratio, const QRect& avoid = QRect());
    void Hide() { Area = {}; }

    // The part of the copy it shows: the squares around the hot spot.
    QRect Source() const;
    // Its picture, as large as Area, from source (the copy's pixels in
    // Source(), transparent where the copy ends), the literal in notation of
    // the pixel under the hot spot.
    QImage Render(const QImage& source, int notation) const;

    // Where it lies, in device pixels of the desktop; empty while hidden.
    QRect Area;
    // The copy's pixel it centres on.
    QPoint HotSpot;

private:
    int TextHeight = 0;
    QFont TextFont; // sized for TextHeight, made when that changes
};

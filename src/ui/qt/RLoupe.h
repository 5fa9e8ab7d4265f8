#pragma once

#include "colour/ColorValue.h"
#include "ui/LoupePicture.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

// The magnifier beside the eyedropper, drawn in device pixels, so it shows
// exactly the copy's pixels at every display scale; the picture is the
// core's (LoupePicture.h), this only places it and writes its literal. It
// changes nothing about which pixel is taken.
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
    // Its picture, as large as Area, from block (the copy's pixels in
    // Source(), NoPixel where the copy ends), the literal in notation.
    QImage Render(const std::vector<ColorValue>& block, int notation) const;

    // Where it lies, in device pixels of the desktop; empty while hidden.
    QRect Area;
    // The copy's pixel it centres on.
    QPoint HotSpot;

private:
    qreal Ratio = 1;
    int TextHeight = 0;
    QFont TextFont; // sized for TextHeight, made when that changes
};

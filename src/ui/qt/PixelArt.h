#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <vector>

// Pixel art shown crisp at every display scale: each picture pixel becomes a
// block of device pixels, never a blend of its neighbours. At whole scales
// the blocks are equal; at fractional ones (1.5) they are one or two device
// pixels wide, so that the picture keeps its laid-out size without blurring.

// An icon of the images (each a picture of its own size, smallest first):
// at any size the largest image that fits is scaled up as blocks, or the
// smallest scaled down where none fits.
QIcon PixelArtIcon(std::vector<QImage> images);

// image scaled as blocks to logicalSize at ratio device pixels per logical
// pixel, marked with that ratio so that it is drawn pixel for pixel.
QPixmap PixelArtPixmap(const QImage& image, QSize logicalSize, qreal ratio);

#include "ui/qt/RLoupe.h"

#include "colour/Contrast.h"
#include "ui/LoupePlacement.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/Resources.h"
#include "ui/qt/ScreenAccess.h"

#include <QImage>
#include <QPainter>

namespace
{

constexpr int Grid = RLoupe::Cells * RLoupe::CellSize;
// Clear of the hot spot, and of the dropper drawn up and right of it.
constexpr int Gap = 20;
// Where the copy ends: neither black nor white nor any likely pixel.
const QColor Outside(0x80, 0x80, 0x80, 0x60);

QColor Contrasting(ColorValue color)
{
    return ContrastRatio(0xFFFFFF, color) >= ContrastRatio(0, color) ? Qt::white : Qt::black;
}

} // namespace

QRect RLoupe::MoveTo(QPoint hotSpot, QSize screenSize, qreal ratio, const QRect& avoid)
{
    const QRect before = Area;
    if (const int height = qRound(16 * ratio); height != TextHeight)
    {
        TextHeight = height;
        TextFont = DialogFont();
        TextFont.setPixelSize(qMax(8, TextHeight * 3 / 4));
    }
    const RLoupeRect placed = PlaceLoupe(hotSpot.x(), hotSpot.y(), Grid + 2 * Border, Grid + 2 * Border + TextHeight,
                                         screenSize.width(), screenSize.height(), qRound(Gap * ratio),
                                         {avoid.left(), avoid.top(), avoid.width(), avoid.height()});
    Area = QRect(placed.Left, placed.Top, placed.Width, placed.Height);
    HotSpot = hotSpot;
    return before.united(Area);
}

void RLoupe::Paint(QPainter& painter, const QImage& copy, int notation) const
{
    if (Area.isEmpty())
        return;
    painter.fillRect(Area, Qt::black);
    const QPoint grid = Area.topLeft() + QPoint(Border, Border);
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
        {
            const QPoint source = HotSpot + QPoint(column - Cells / 2, row - Cells / 2);
            const QRect cell(grid + QPoint(column * CellSize, row * CellSize), QSize(CellSize, CellSize));
            const ColorValue pixel = ImagePixel(copy, source);
            if (pixel == 0xFFFFFFFF)
                painter.fillRect(cell, Outside);
            else
                painter.fillRect(cell, ToQColor(pixel));
        }
    // The taken pixel: a frame on its own square, in whichever of black and
    // white stands out from it.
    const ColorValue taken = ImagePixel(copy, HotSpot);
    const QRect centre(grid + QPoint(Cells / 2 * CellSize, Cells / 2 * CellSize), QSize(CellSize, CellSize));
    const QColor frame = taken == 0xFFFFFFFF ? Qt::black : Contrasting(taken);
    for (const QRect& edge : {QRect(centre.left(), centre.top(), CellSize, 1),
                              QRect(centre.left(), centre.bottom(), CellSize, 1),
                              QRect(centre.left(), centre.top(), 1, CellSize),
                              QRect(centre.right(), centre.top(), 1, CellSize)})
        painter.fillRect(edge, frame);

    const QRect text(Area.left() + Border, grid.y() + Grid, Grid, TextHeight);
    painter.fillRect(text, Qt::black);
    if (taken == 0xFFFFFFFF)
        return;
    RColor color(taken);
    color.SetHexFormat(notation);
    painter.setFont(TextFont);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignCenter, QString::fromLatin1(color.GetHexValue().Text()));
}

#include "ui/qt/RLoupe.h"

#include "colour/Contrast.h"
#include "ui/LoupePlacement.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/Resources.h"

#include <QImage>
#include <QPainter>

namespace
{

constexpr int Grid = RLoupeLayout::Grid;

QColor Contrasting(ColorValue color)
{
    return ContrastRatio(0xFFFFFF, color) >= ContrastRatio(0, color) ? Qt::white : Qt::black;
}

} // namespace

void RLoupe::MoveTo(QPoint hotSpot, const QRect& monitor, qreal ratio, const QRect& avoid)
{
    if (const int height = RLoupeLayout::TextHeight(ratio); height != TextHeight)
    {
        TextHeight = height;
        TextFont = DialogFont();
        TextFont.setPixelSize(RLoupeLayout::TextSize(ratio));
    }
    const RLoupeRect placed =
        RLoupeLayout::Place(hotSpot.x(), hotSpot.y(), {monitor.left(), monitor.top(), monitor.width(), monitor.height()},
                            ratio, {avoid.left(), avoid.top(), avoid.width(), avoid.height()});
    Area = QRect(placed.Left, placed.Top, placed.Width, placed.Height);
    HotSpot = hotSpot;
}

QRect RLoupe::Source() const
{
    return QRect(HotSpot - QPoint(Cells / 2, Cells / 2), QSize(Cells, Cells));
}

QImage RLoupe::Render(const QImage& source, int notation) const
{
    QImage picture(Area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (Area.isEmpty())
        return picture;
    QPainter painter(&picture);
    // Where the copy ends: grey over black, neither black nor white nor any
    // likely pixel.
    const QColor outside = QColor::fromRgb(0x30, 0x30, 0x30);
    const QPoint grid(Border, Border);
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
        {
            const QRect cell(grid + QPoint(column * CellSize, row * CellSize), QSize(CellSize, CellSize));
            const bool copied = source.valid(column, row) && qAlpha(source.pixel(column, row)) != 0;
            painter.fillRect(cell, copied ? QColor(source.pixel(column, row)) : outside);
        }
    // The taken pixel: a frame on its own square, in whichever of black and
    // white stands out from it.
    const bool taken = source.valid(Cells / 2, Cells / 2) && qAlpha(source.pixel(Cells / 2, Cells / 2)) != 0;
    const ColorValue centre = taken ? FromQColor(QColor(source.pixel(Cells / 2, Cells / 2))) : 0;
    const QRect square(grid + QPoint(Cells / 2 * CellSize, Cells / 2 * CellSize), QSize(CellSize, CellSize));
    const QColor frame = taken ? Contrasting(centre) : QColor(Qt::black);
    for (const QRect& edge : {QRect(square.left(), square.top(), CellSize, 1),
                              QRect(square.left(), square.bottom(), CellSize, 1),
                              QRect(square.left(), square.top(), 1, CellSize),
                              QRect(square.right(), square.top(), 1, CellSize)})
        painter.fillRect(edge, frame);
    if (!taken)
        return picture;
    const QRect text(Border, Border + Grid, Grid, TextHeight);
    RColor color(centre);
    color.SetHexFormat(notation);
    painter.setFont(TextFont);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignCenter, QString::fromLatin1(color.GetHexValue().Text()));
    return picture;
}

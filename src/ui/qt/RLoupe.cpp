#include "ui/qt/RLoupe.h"

#include "ui/qt/Resources.h"

#include <QPainter>

void RLoupe::MoveTo(QPoint hotSpot, const QRect& monitor, qreal ratio, const QRect& avoid)
{
    Ratio = ratio;
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
    const RLoupeRect source = LoupeSource(HotSpot.x(), HotSpot.y());
    return QRect(source.Left, source.Top, source.Width, source.Height);
}

QImage RLoupe::Render(const std::vector<ColorValue>& block, int notation) const
{
    if (Area.isEmpty())
        return QImage();
    const RLoupePicture picture = LoupePictureOf(block, notation);
    const std::vector<std::uint32_t> pixels = LoupePixels(picture, Ratio);
    QImage image(Area.size(), QImage::Format_RGB32);
    for (int row = 0; row < image.height(); ++row)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(row) * image.width(), image.width(),
                    reinterpret_cast<std::uint32_t*>(image.scanLine(row)));
    if (picture.Literal.empty())
        return image;
    const RLoupeRect line = LoupeTextLine(Ratio);
    QPainter painter(&image);
    painter.setFont(TextFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(line.Left, line.Top, line.Width, line.Height), Qt::AlignCenter,
                     QString::fromStdString(picture.Literal));
    return image;
}

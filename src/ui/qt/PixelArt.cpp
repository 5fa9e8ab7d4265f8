#include "ui/qt/PixelArt.h"

#include "ui/PixelBlocks.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <vector>

namespace
{

// image scaled to size in blocks, in the format pixmaps keep, because the
// toolkit's transform and format conversion start worker threads for the
// window manager's larger icon sizes at every window's creation.
QImage InBlocks(const QImage& image, QSize size)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage scaled(size, QImage::Format_ARGB32_Premultiplied);
    // 32-bit rows are contiguous: their length is always a multiple of four bytes.
    ScaleInBlocks(reinterpret_cast<const std::uint32_t*>(source.constBits()), source.width(), source.height(),
                  reinterpret_cast<std::uint32_t*>(scaled.bits()), size.width(), size.height());
    return scaled;
}

class PixelArtEngine : public QIconEngine
{
public:
    explicit PixelArtEngine(std::vector<QImage> images) : Images(std::move(images)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        if (Images.empty() || size.isEmpty())
            return {};
        const QImage& source = Best(size);
        QPixmap pixmap = QPixmap::fromImage(InBlocks(source, size));
        if (mode == QIcon::Disabled)
        {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        painter->drawPixmap(rect.topLeft(), pixmap);
    }

    QIconEngine* clone() const override { return new PixelArtEngine(Images); }

private:
    // The largest image no larger than size, else the smallest.
    const QImage& Best(const QSize& size) const
    {
        const QImage* best = &Images.front();
        for (const QImage& image : Images)
            if (image.width() <= size.width() && image.height() <= size.height())
                best = &image;
        return *best;
    }

    std::vector<QImage> Images;
};

} // namespace

QIcon PixelArtIcon(std::vector<QImage> images)
{
    return QIcon(new PixelArtEngine(std::move(images)));
}

QPixmap PixelArtPixmap(const QImage& image, QSize logicalSize, qreal ratio)
{
    const QSize device(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio));
    QPixmap pixmap = QPixmap::fromImage(InBlocks(image, device));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

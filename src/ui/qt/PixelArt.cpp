#include "ui/qt/PixelArt.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <vector>

namespace
{

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
        QPixmap pixmap = QPixmap::fromImage(source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
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

QIcon PixelArtIcon(const QStringList& images)
{
    std::vector<QImage> loaded;
    for (const QString& file : images)
        loaded.push_back(QImage(file).convertToFormat(QImage::Format_ARGB32));
    return QIcon(new PixelArtEngine(std::move(loaded)));
}

QPixmap PixelArtPixmap(const QImage& image, QSize logicalSize, qreal ratio)
{
    const QSize device(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio));
    QPixmap pixmap = QPixmap::fromImage(image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

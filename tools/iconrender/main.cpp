// Draws the program's icon at one size as PNG, for the desktop's icon theme:
//   iconrender INPUT SIZE OUTPUT
// An SVG is rendered at SIZE; a pixel-art image (XPM) is taken as it is
// drawn, pixel for pixel, and must already be SIZE pixels square.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Drawing into an image needs no application object and no display.
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: iconrender INPUT SIZE OUTPUT\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const int size = atoi(argv[2]);
    QImage icon;
    if (input.endsWith(QLatin1String(".svg")))
    {
        QSvgRenderer svg(input);
        if (!svg.isValid())
            return 1;
        icon = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    else
    {
        icon = QImage(input).convertToFormat(QImage::Format_ARGB32);
        if (icon.width() != size || icon.height() != size)
            return 1;
    }
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}

// Draws the program's icon for the desktop's icon theme from its pixel art
// (XPM), so that every size shows the one design:
//   iconrender INPUT SIZE OUTPUT.png   the picture scaled in blocks to SIZE
//                                      pixels square (each picture pixel a
//                                      block of SIZE / width pixels; SIZE
//                                      must be a whole multiple of the width)
//   iconrender INPUT svg OUTPUT.svg    the picture as squares of a vector
//                                      drawing, for the scalable size
#include <QFile>
#include <QImage>

#include <cstdio>

namespace
{

bool WritePng(const QImage& picture, int size, const QString& output)
{
    if (size <= 0 || size % picture.width() != 0 || picture.width() != picture.height())
    {
        std::fprintf(stderr, "iconrender: %d is not a whole multiple of the picture's %d pixels\n", size,
                     picture.width());
        return false;
    }
    return picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(output, "PNG");
}

// One rectangle for each run of equal pixels in a row; transparent pixels
// are left out. crispEdges keeps renderers from blending neighbours.
bool WriteSvg(const QImage& picture, const QString& output)
{
    QByteArray svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                    "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
                         .arg(picture.width())
                         .arg(picture.height())
                         .toUtf8();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width();)
        {
            const QRgb colour = picture.pixel(x, y);
            int end = x + 1;
            while (end < picture.width() && picture.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                           .toUtf8();
            x = end;
        }
    svg += "</svg>\n";
    QFile file(output);
    return file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size();
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing into an image needs no application object and no display.
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: iconrender INPUT SIZE|svg OUTPUT\n");
        return 2;
    }
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return 1;
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (qstrcmp(argv[2], "svg") == 0)
        return WriteSvg(picture, output) ? 0 : 1;
    return WritePng(picture, atoi(argv[2]), output) ? 0 : 1;
}

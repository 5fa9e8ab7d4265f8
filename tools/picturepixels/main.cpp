// Decodes the program's XPM pictures with the toolkit's own reader and writes
// their pixels as C++ source to be built into the program, so that a start
// shows them without parsing any picture:
//   picturepixels OUTPUT.cpp PICTURE.xpm...   in the order of RBuiltPicture
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: picturepixels OUTPUT.cpp PICTURE.xpm...\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr)
        return 1;
    std::fputs("// Made by tools/picturepixels from the XPM pictures; do not edit.\n"
               "#include \"ui/BuiltPictures.h\"\n\n#include <iterator>\n\nnamespace\n{\n",
               out);
    QString table;
    for (int i = 2; i < argc; ++i)
    {
        const QImage picture = QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (picture.isNull())
        {
            std::fprintf(stderr, "picturepixels: cannot read %s\n", argv[i]);
            std::fclose(out);
            return 1;
        }
        const QString name = QFileInfo(QString::fromLocal8Bit(argv[i])).fileName();
        std::fprintf(out, "\n// %s\nconstexpr std::uint32_t Picture%d[%d] = {\n", qPrintable(name), i - 2,
                     picture.width() * picture.height());
        for (int y = 0; y < picture.height(); ++y)
        {
            std::fputs("   ", out);
            for (int x = 0; x < picture.width(); ++x)
                std::fprintf(out, " 0x%08X,", static_cast<unsigned>(picture.pixel(x, y)));
            std::fputs("\n", out);
        }
        std::fputs("};\n", out);
        table += QStringLiteral("    {%1, %2, Picture%3},\n").arg(picture.width()).arg(picture.height()).arg(i - 2);
    }
    std::fprintf(out,
                 "\nconstexpr RPicturePixels Pictures[] = {\n%s};\n"
                 "static_assert(std::size(Pictures) == static_cast<std::size_t>(RBuiltPicture::Count),\n"
                 "              \"one picture for each RBuiltPicture\");\n\n} // namespace\n\n"
                 "const RPicturePixels& BuiltPicture(RBuiltPicture picture)\n{\n"
                 "    return Pictures[static_cast<std::size_t>(picture)];\n}\n",
                 table.toLatin1().constData());
    return std::fclose(out) == 0 ? 0 : 1;
}

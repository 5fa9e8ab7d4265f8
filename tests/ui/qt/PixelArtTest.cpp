// The pixel art at the display's scale: every device pixel the screen shows
// of a picture is one of the picture's own colours, never a blend of two.
#include "ui/qt/PixelArt.h"
#include "ui/qt/Resources.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

#include <set>

namespace
{

std::set<QRgb> ColoursOf(const QImage& image)
{
    std::set<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    return colours;
}

// The colours in image that are not among allowed, described.
QString Strangers(const QImage& image, const std::set<QRgb>& allowed)
{
    QStringList strangers;
    for (const QRgb colour : ColoursOf(image))
        if (allowed.count(colour) == 0 && strangers.size() < 5)
            strangers << QString::number(colour, 16);
    return strangers.join(' ');
}

// The process's threads named as the toolkit names its pool's workers.
int PooledThreads()
{
    int pooled = 0;
    for (const QFileInfo& task : QDir(QStringLiteral("/proc/self/task")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
    {
        QFile name(task.filePath() + QStringLiteral("/comm"));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)"))
            ++pooled;
    }
    return pooled;
}

} // namespace

class PixelArtTest : public QObject
{
    Q_OBJECT

private slots:
    // The window manager is handed the icon at several sizes whenever a
    // window is made; that must not start threads. (First, before any other
    // window of this process has started some.)
    void AWindowsIconStartsNoWorkerThreads()
    {
        TestFolder folder;
        QCOMPARE(PooledThreads(), 0);
        QWidget window;
        window.setWindowIcon(TintwellIcon());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const int size : {16, 32, 64, 128, 256})
            QVERIFY(!TintwellIcon().pixmap(QSize(size, size)).isNull());
        QCOMPARE(PooledThreads(), 0);
    }

    // The logo and the key icon as the X server shows them.
    void TheSideBarOnTheScreenHasOnlyThePicturesColours()
    {
        TestFolder folder;
        X11Desktop desktop;
        QVERIFY(desktop.IsOpen());
        TTWMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(200);
        for (const auto& [name, picture] : {std::pair{"SidebarImage", RBuiltPicture::Logo},
                                            std::pair{"KeyIconImage", RBuiltPicture::Icon}})
        {
            auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
            const QImage source = PictureImage(picture);
            std::set<QRgb> allowed = ColoursOf(source.convertToFormat(QImage::Format_RGB32));
            allowed.insert(qRgb(255, 255, 255)); // the white side bar behind transparent pixels
            // The picture's own device pixels, inside its label and the bar.
            const qreal ratio = form.devicePixelRatioF();
            QWidget* parent = label->parentWidget();
            const QRect shown = QRect(label->mapTo(&form, QPoint(0, 0)), label->size()) &
                                QRect(parent->mapTo(&form, QPoint(0, 0)), parent->size());
            const QPoint origin = form.mapToGlobal(shown.topLeft());
            const int x = qCeil(origin.x() * ratio), y = qCeil(origin.y() * ratio);
            const int width = qFloor(shown.width() * ratio) - 1, height = qFloor(shown.height() * ratio) - 1;
            const std::vector<std::uint32_t> pixels = desktop.ScreenPixels(x, y, width, height);
            QCOMPARE(static_cast<int>(pixels.size()), width * height);
            QImage screen(width, height, QImage::Format_RGB32);
            for (int row = 0; row < height; ++row)
                for (int column = 0; column < width; ++column)
                    screen.setPixel(column, row, 0xFF000000u | pixels[static_cast<std::size_t>(row * width + column)]);
            QVERIFY2(Strangers(screen, allowed).isEmpty(), qPrintable(QString(name) + ": " + Strangers(screen, allowed)));
        }
    }

    // The icons at the desktop's sizes and the display's scale: one design,
    // the pixel art in blocks.
    void IconsAtEverySizeAreThePixelArtInBlocks()
    {
        const std::set<QRgb> allowed = [] {
            std::set<QRgb> colours = ColoursOf(PictureImage(RBuiltPicture::Icon));
            colours.merge(ColoursOf(PictureImage(RBuiltPicture::Icon16)));
            return colours;
        }();
        const QIcon icon = TintwellIcon();
        for (const int size : {16, 24, 32, 48, 64})
            for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
            {
                const QImage image = icon.pixmap(QSize(size, size), ratio).toImage();
                QCOMPARE(image.size(), QSize(qRound(size * ratio), qRound(size * ratio)));
                QVERIFY2(Strangers(image, allowed).isEmpty(),
                         qPrintable(QStringLiteral("%1 at %2: ").arg(size).arg(ratio) + Strangers(image, allowed)));
            }
        // A whole scale repeats each pixel as an equal block.
        const QImage doubled = PixelArtPixmap(PictureImage(RBuiltPicture::Icon), QSize(32, 32), 2.0).toImage();
        const QImage source = PictureImage(RBuiltPicture::Icon).convertToFormat(doubled.format());
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                QCOMPARE(doubled.pixel(x, y), source.pixel(x / 2, y / 2));
    }

    // The pictures built into the program are their sources as the
    // toolkit's reader decodes them, transparency included.
    void BuiltPicturesAreTheirSources()
    {
        const std::pair<RBuiltPicture, const char*> sources[] = {
            {RBuiltPicture::Icon16, "icon16.xpm"},           {RBuiltPicture::Icon, "icon.xpm"},
            {RBuiltPicture::Logo, "logo.xpm"},               {RBuiltPicture::ColorDialog, "colordialog.xpm"},
            {RBuiltPicture::Dropper, "dropper.xpm"},         {RBuiltPicture::DropperCursor, "dropper-cursor.xpm"},
        };
        static_assert(std::size(sources) == static_cast<std::size_t>(RBuiltPicture::Count));
        for (const auto& [picture, file] : sources)
        {
            const QImage source =
                QImage(QStringLiteral(TINTWELL_PICTURE_FOLDER "/") + QString::fromLatin1(file))
                    .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!source.isNull(), file);
            QVERIFY2(PictureImage(picture) == source, file);
        }
    }
};

QTEST_MAIN(PixelArtTest)
#include "PixelArtTest.moc"

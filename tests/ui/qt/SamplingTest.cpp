// Sampling the screen with the real windows: a window of known pixels is put
// on the screen, and the dropper picks them. Run at scale factors 1, 1.5 and
// 2, without a window manager and under one, and on a platform that refuses
// screen copies.
#include "ui/qt/QtColor.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cstring>
#include <memory>

namespace
{

// Every device pixel of the test window has its own colour.
QColor Known(int x, int y, int variant)
{
    return QColor(x & 255, ((x >> 8) * 40 + (y & 31) * 6 + variant * 97) & 255, (y * 7) & 255);
}

class KnownPixels : public QWidget
{
public:
    int Variant = 0;
    bool Blank = false;

    // Where it is put, whatever a window manager would choose.
    KnownPixels() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(0, 300, 600, 200); // logical; even, so exact at 1.5 too
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        QImage pixels(qRound(width() * ratio), qRound(height() * ratio), QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                pixels.setPixelColor(x, y, Blank ? QColor(Qt::blue) : Known(x, y, Variant));
        pixels.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, pixels);
    }
};

// Kilobytes of the process's own memory in use, as the kernel counts it:
// anonymous, and shared (where the X server's shared buffers are).
qint64 MemoryKb(const char* kind)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(kind))
            return line.mid(static_cast<qsizetype>(std::strlen(kind))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

bool CopiesRefused()
{
    return QGuiApplication::platformName() == QLatin1String("minimal");
}

} // namespace

class SamplingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<KnownPixels> Pixels;
    std::unique_ptr<TTWMainForm> Form;

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }
    TBigScreenDlg* BigScreen() const { return Form->findChild<TBigScreenDlg*>(); }
    QString Rgb() const
    {
        return Find<QLineEdit>("RedEdit")->text() + "," + Find<QLineEdit>("GrnEdit")->text() + "," +
               Find<QLineEdit>("BluEdit")->text();
    }
    static QString RgbOf(const QColor& c)
    {
        return QString("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
    }
    qreal Ratio() const { return Form->devicePixelRatioF(); }
    // The point of the sampling window, in its logical coordinates, over
    // device pixel (x, y) of the test window, wherever the sampling window
    // lies.
    QPointF Over(int x, int y) const
    {
        const qreal ratio = BigScreen()->devicePixelRatioF();
        const QPoint origin = WindowOriginOnDesktop(*BigScreen());
        return QPointF(x - origin.x(), qRound(300 * Ratio()) + y - origin.y()) / ratio;
    }
    // The real pointer over device pixel (x, y) of the test window.
    void PointTo(X11Desktop& desktop, int x, int y) const { desktop.MoveTo(x, qRound(300 * Ratio()) + y); }

    void StartSampling()
    {
        QTest::mouseClick(Find<QPushButton>("MouseSelectSBtn"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(BigScreen()));
    }
    void Move(QWidget* target, QPointF at)
    {
        // What the server said before (a window manager's move of the copy)
        // reaches the program first, as it would before a real movement.
        QCoreApplication::processEvents();
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void Click(QPointF at)
    {
        QTest::mousePress(BigScreen(), Qt::LeftButton, {}, at.toPoint());
        QMouseEvent release(QEvent::MouseButtonRelease, at, BigScreen()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(BigScreen(), &release);
    }
    bool ButtonsEnabled() const
    {
        return Find<QPushButton>("MouseSelectSBtn")->isEnabled() &&
               Find<QPushButton>("ColorDlgSelectSBtn")->isEnabled();
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Pixels = std::make_unique<KnownPixels>();
        Pixels->show();
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        if (!CopiesRefused())
        {
            QVERIFY(QTest::qWaitForWindowExposed(Pixels.get()));
            // As the user's click on the button would make it.
            Form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        }
        QTest::qWait(50);
    }

    void cleanup()
    {
        Form.reset();
        Pixels.reset();
        Folder.reset();
    }

    // The copy, which the X server keeps, is the toolkit's own grab of the
    // screen: the same device pixels where the screen lies on the desktop.
    void TheCopyIsTheScreenPixelForPixel()
    {
        if (CopiesRefused())
            QSKIP("this platform refuses copies");
        QScreen& screen = *QGuiApplication::primaryScreen();
        const auto copy = RDesktopCopy::Take();
        QVERIFY(copy != nullptr);
        const QImage grabbed = screen.grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = copy->Pixels(QRect(screen.geometry().topLeft(), grabbed.size()))
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown == grabbed);
        QCOMPARE(copy->Pixel(QPoint(10, qRound(300 * Ratio()) + 20)), FromQColor(Known(10, 20, 0)));
        QCOMPARE(copy->Pixel(copy->Area().bottomRight() + QPoint(1, 0)), 0xFFFFFFFFu);
    }

    void ARefusedCopyEndsSamplingAtOnce()
    {
        if (!CopiesRefused())
            QSKIP("this platform copies the screen");
        QTest::mouseClick(Find<QPushButton>("MouseSelectSBtn"), Qt::LeftButton);
        QVERIFY(ButtonsEnabled());
        QVERIFY(!Form->IsMouseSelecting());
        QVERIFY(!BigScreen()->isVisible());
    }

    void MovementsSetThePixelInEveryView()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        QVERIFY(Form->IsMouseSelecting());
        QVERIFY(!ButtonsEnabled());
        QCOMPARE(BigScreen()->cursor().hotSpot(), QPoint(1, 30));
        // A screen reader hears the window by its name, then the colour
        // under the pointer, the last one of a movement.
        const auto heard = [this]
        { return QAccessible::queryAccessibleInterface(BigScreen())->text(QAccessible::Name); };
        QCOMPARE(heard(), QStringLiteral("Select Color with Mouse"));
        for (const QPoint device : {QPoint(0, 0), QPoint(301, 7), QPoint(599, 150), QPoint(13, 199)})
        {
            Move(BigScreen(), Over(device.x(), device.y()));
            const QColor expected = Known(device.x(), device.y(), 0);
            QCOMPARE(Rgb(), RgbOf(expected));
            QCOMPARE(Find<QLineEdit>("RGBHexEdit")->text(), expected.name(QColor::HexRgb).toUpper());
        }
        // Outside the copy nothing can be read: all bits set, taken as white.
        Move(BigScreen(), QPointF(-50, -50));
        QCOMPARE(Rgb(), QStringLiteral("255,255,255"));
        QCOMPARE(Find<QComboBox>("ColorNameCB")->currentText(), QStringLiteral("White"));
        QTRY_COMPARE(heard(), QStringLiteral("Select Color with Mouse: #FFFFFF, white"));
    }

    // The loupe beside the real pointer shows exactly the copy's pixels
    // around the hot spot, each a square of 8 device pixels, never over the
    // pixel taken; also against each edge of the screen, where it turns.
    void TheLoupeShowsTheCopysPixels_data()
    {
        QTest::addColumn<QPoint>("at"); // device pixels; -1 is the far edge
        QTest::newRow("over the known pixels") << QPoint(150, 350);
        QTest::newRow("left edge") << QPoint(0, 420);
        QTest::newRow("right edge") << QPoint(-1, 420);
        QTest::newRow("top edge") << QPoint(150, 0);
        QTest::newRow("bottom edge") << QPoint(150, -1);
    }
    void TheLoupeShowsTheCopysPixels()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        QFETCH(QPoint, at);
        X11Desktop desktop;
        QVERIFY(desktop.IsOpen());
        // The main window below the middle, clear of every point tried and
        // of the loupe beside it.
        Form->move(qRound(desktop.Width() / Ratio() / 2) - 176, qRound(desktop.Height() / Ratio() / 2) + 60);
        QTest::qWait(100);
        StartSampling();
        // The known pixels are in the copy; off the screen, the pointer
        // reaches the sampling window under them.
        Pixels->hide();
        const QPoint hot(at.x() < 0 ? desktop.Width() - 1 : at.x(),
                         at.y() < 0 ? desktop.Height() - 1 : qRound(at.y() * Ratio()));
        desktop.MoveTo(hot.x(), hot.y());
        QTRY_COMPARE(BigScreen()->Loupe().HotSpot, hot);
        QTest::qWait(150); // painted and shown by the server
        const RDesktopCopy* copy = BigScreen()->ScreenImageShown();
        QVERIFY(copy != nullptr);
        const QRect area = BigScreen()->Loupe().Area;
        QVERIFY(!area.contains(hot));
        QVERIFY(QRect(0, 0, desktop.Width(), desktop.Height()).contains(area));
        const auto shown = desktop.ScreenPixels(area.x(), area.y(), area.width(), area.height());
        QCOMPARE(static_cast<int>(shown.size()), area.width() * area.height());
        int compared = 0;
        for (int row = 0; row < RLoupe::Cells; ++row)
            for (int column = 0; column < RLoupe::Cells; ++column)
            {
                const QPoint source = hot + QPoint(column - RLoupe::Cells / 2, row - RLoupe::Cells / 2);
                if (!copy->Area().contains(source))
                    continue;
                const std::uint32_t expected = ToQColor(copy->Pixel(source)).rgb() & 0xFFFFFF;
                // The square inside its outermost ring, where the taken
                // pixel's frame lies.
                for (int y = 1; y < RLoupe::CellSize - 1; ++y)
                    for (int x = 1; x < RLoupe::CellSize - 1; ++x)
                    {
                        const int px = RLoupe::Border + column * RLoupe::CellSize + x;
                        const int py = RLoupe::Border + row * RLoupe::CellSize + y;
                        const std::uint32_t got = shown[static_cast<std::size_t>(py * area.width() + px)];
                        if (got != expected)
                            QFAIL(qPrintable(QStringLiteral("square %1,%2 (copy %3,%4) shows %5, the copy has %6")
                                                 .arg(column).arg(row).arg(source.x()).arg(source.y())
                                                 .arg(got, 6, 16, QLatin1Char('0'))
                                                 .arg(expected, 6, 16, QLatin1Char('0'))));
                    }
                ++compared;
            }
        QVERIFY(compared >= RLoupe::Cells * (RLoupe::Cells / 2 + 1));
        // Taking a pixel is unchanged by it.
        QCOMPARE(Find<QLineEdit>("RGBHexEdit")->text().mid(1).toUInt(nullptr, 16),
                 ToQColor(copy->Pixel(hot)).rgb() & 0xFFFFFF);
    }

    // Each movement paints the main window once, though it changes every
    // view there.
    void OnePaintPerSampledMovement()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        const int before = Form->PaintPasses();
        for (int step = 0; step < 40; ++step)
        {
            Move(BigScreen(), Over(10 + step * 7, 20 + step * 3));
            QCoreApplication::processEvents();
        }
        QCOMPARE(Rgb(), RgbOf(Known(10 + 39 * 7, 20 + 39 * 3, 0)));
        const double perMovement = (Form->PaintPasses() - before) / 40.0;
        QVERIFY2(perMovement >= 0.9 && perMovement <= 1.1, qPrintable(QString::number(perMovement)));
    }

    void AClickTakesThePixelAndEnds()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        Click(Over(120, 40));
        QCOMPARE(Rgb(), RgbOf(Known(120, 40, 0)));
        QVERIFY(!BigScreen()->isVisible());
        QVERIFY(ButtonsEnabled());
        QVERIFY(!Form->IsMouseSelecting());
    }

    // Real keys through the X server: the copy holds the keyboard, though
    // the main window keeps the focus.
    void KeysThatTypeACharacterTakeThePixel_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape") << 0xff1bu << true;
        QTest::newRow("Space") << 0x20u << true;
        QTest::newRow("Enter") << 0xff0du << true;
        QTest::newRow("Backspace") << 0xff08u << true;
        QTest::newRow("Tab") << 0xff09u << true;
        QTest::newRow("a") << 0x61u << true;
        QTest::newRow("Left") << 0xff51u << false;
        QTest::newRow("Shift") << 0xffe1u << false;
        QTest::newRow("F1") << 0xffbeu << false;
    }

    void KeysThatTypeACharacterTakeThePixel()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        QFETCH(uint, keysym);
        QFETCH(bool, ends);
        X11Desktop desktop;
        StartSampling();
        PointTo(desktop, 200, 100);
        QTest::qWait(30);
        Find<QLineEdit>("RedEdit")->setText("1"); // a change made meanwhile
        QPointer<TBigScreenDlg> sampling = BigScreen();
        QVERIFY(desktop.Key(keysym));
        QTest::qWait(50);
        QVERIFY2(Form->isVisible(), "the key reached the main window"); // Escape would close it
        if (ends)
        {
            QTRY_VERIFY(!sampling->isVisible());
            QCOMPARE(Rgb(), RgbOf(Known(200, 100, 0)));
            QVERIFY(ButtonsEnabled());
        }
        else
        {
            QTest::qWait(100);
            QVERIFY(sampling->isVisible());
            QVERIFY(!ButtonsEnabled());
        }
    }

    // The copy holds the keyboard: a key taken elsewhere still ends sampling.
    void KeysReachTheCopyWhereverTheFocusGoes()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        X11Desktop desktop;
        StartSampling();
        PointTo(desktop, 60, 70);
        QTest::qWait(100);
        desktop.FocusNothing();
        QVERIFY(desktop.Key(0x20)); // Space
        QTRY_VERIFY(!BigScreen()->isVisible());
        QCOMPARE(Rgb(), RgbOf(Known(60, 70, 0)));
    }

    // While sampling, the X server keeps the copy and shows it: the program
    // holds neither the copy nor a buffer as large as the screen.
    void TheCopyStaysOnTheServer()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        // A first sampling makes what lasts the run (the cursor, the loupe's
        // font); the second is measured.
        StartSampling();
        Move(BigScreen(), Over(20, 20));
        Click(Over(20, 20));
        QTest::qWait(100);
        const qint64 anonymous = MemoryKb("RssAnon:"), shared = MemoryKb("RssShmem:");
        QVERIFY(anonymous > 0 && shared >= 0);
        StartSampling();
        QTest::qWait(200);
        Move(BigScreen(), Over(20, 20)); // the loupe drawn too
        QTest::qWait(100);
        const RDesktopCopy* copy = BigScreen()->ScreenImageShown();
        QVERIFY(copy != nullptr);
        const qint64 copyKb = qint64(copy->Area().width()) * copy->Area().height() * 4 / 1024;
        const qint64 grown = MemoryKb("RssAnon:") - anonymous + MemoryKb("RssShmem:") - shared;
        QVERIFY2(grown < copyKb / 4,
                 qPrintable(QStringLiteral("%1 kB more for a copy of %2 kB").arg(grown).arg(copyKb)));
    }

    void TheCopyIsFrozenAndASecondStartCopiesAgain()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        Pixels->Blank = true; // the live screen changes under the copy
        Pixels->repaint();
        QTest::qWait(50);
        Click(Over(50, 60));
        QCOMPARE(Rgb(), RgbOf(Known(50, 60, 0)));

        Pixels->Blank = false;
        Pixels->Variant = 1;
        Pixels->raise();
        Pixels->repaint();
        QTest::qWait(50);
        StartSampling();
        Click(Over(50, 60));
        QCOMPARE(Rgb(), RgbOf(Known(50, 60, 1)));
    }

    // The main window is above the copy in the server's stacking order and
    // keeps the focus; its live swatch shows each colour the real pointer
    // samples before any click, also while a button is held on the copy.
    void TheMainWindowStaysAboveTheCopy()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        X11Desktop desktop;
        StartSampling();
        Pixels->hide(); // the pointer meets the copy, not the live picture
        const auto form = static_cast<std::uint32_t>(Form->winId());
        const auto copy = static_cast<std::uint32_t>(BigScreen()->winId());
        QTest::qWait(100);
        QVERIFY(desktop.StackingIndex(copy) >= 0);
        QVERIFY(desktop.StackingIndex(form) > desktop.StackingIndex(copy));
        QCOMPARE(desktop.FocusWindow(), form);
        QWidget* swatch = Find("TheShape");
        const QPoint centre = swatch->mapToGlobal(swatch->rect().center()) * Ratio();
        for (const QPoint device : {QPoint(250, 20), QPoint(40, 150), QPoint(5, 3)})
        {
            const QString expected = RgbOf(Known(device.x(), device.y(), 0));
            PointTo(desktop, device.x(), device.y());
            QTRY_COMPARE(Rgb(), expected);
            QCOMPARE(Find<QLineEdit>("RGBHexEdit")->text(), Known(device.x(), device.y(), 0).name().toUpper());
            QTRY_COMPARE(RgbOf(QColor(desktop.ScreenPixel(centre.x(), centre.y()))), expected);
        }
        desktop.Button(true); // a window manager may raise what is clicked
        QTest::qWait(100);
        QVERIFY(desktop.StackingIndex(form) > desktop.StackingIndex(copy));
        desktop.Button(false);
        QTRY_VERIFY(!BigScreen()->isVisible());
        QCOMPARE(Rgb(), RgbOf(Known(5, 3, 0)));
    }

    // Over the window's own uncovered area the window samples itself.
    void TheMainWindowSamplesItsOwnPixels()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        Move(Form.get(), QPointF(2, 60)); // not sampling: nothing happens
        QCOMPARE(Rgb(), QStringLiteral("15,0,0"));
        StartSampling();
        Move(Form.get(), QPointF(2, 60)); // the white side bar
        QCOMPARE(Rgb(), QStringLiteral("255,255,255"));
    }

    void ClosingWhileSamplingReleasesEverything()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        QPointer<TBigScreenDlg> sampling = BigScreen();
        Form->close();
        QVERIFY(sampling.isNull());
        QVERIFY(!Form->isVisible());
    }
};

QTEST_MAIN(SamplingTest)
#include "SamplingTest.moc"

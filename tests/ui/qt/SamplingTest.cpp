// Sampling the screen with the real windows: a window of known pixels is put
// on the screen, and the dropper picks them. Run at scale factors 1, 1.5 and
// 2, and on a platform that refuses screen copies.
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

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

    KnownPixels() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
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
    // The logical point over device pixel (x, y) of the test window, and the
    // colour that pixel shows.
    QPointF Over(int x, int y) const { return QPointF(x / Ratio(), 300 + y / Ratio()); }

    void StartSampling()
    {
        QTest::mouseClick(Find<QPushButton>("MouseSelectSBtn"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(BigScreen()));
    }
    void Move(QWidget* target, QPointF at)
    {
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
            QVERIFY(QTest::qWaitForWindowExposed(Pixels.get()));
        QTest::qWait(50);
    }

    void cleanup()
    {
        Form.reset();
        Pixels.reset();
        Folder.reset();
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

    void KeysThatTypeACharacterTakeThePixel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << true;
        QTest::newRow("a") << int(Qt::Key_A) << true;
        QTest::newRow("Left") << int(Qt::Key_Left) << false;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << false;
    }

    void KeysThatTypeACharacterTakeThePixel()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        QFETCH(int, key);
        QFETCH(bool, ends);
        StartSampling();
        Move(BigScreen(), Over(200, 100));
        Find<QLineEdit>("RedEdit")->setText("1"); // a change made meanwhile
        QTest::keyClick(BigScreen(), static_cast<Qt::Key>(key));
        QCOMPARE(BigScreen()->isVisible(), !ends);
        QCOMPARE(ButtonsEnabled(), ends);
        if (ends)
            QCOMPARE(Rgb(), RgbOf(Known(200, 100, 0)));
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

    // The main window is above the copy: its live swatch shows the colour
    // sampled after the copy was taken.
    void TheMainWindowStaysAboveTheCopy()
    {
        if (CopiesRefused())
            QSKIP("no screen copies here");
        StartSampling();
        Move(BigScreen(), Over(250, 20));
        QTest::qWait(50);
        QWidget* swatch = Find("TheShape");
        const QPoint centre = swatch->mapToGlobal(swatch->rect().center());
        const QImage live = QGuiApplication::primaryScreen()->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage();
        QCOMPARE(RgbOf(live.pixelColor(0, 0)), RgbOf(Known(250, 20, 0)));
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

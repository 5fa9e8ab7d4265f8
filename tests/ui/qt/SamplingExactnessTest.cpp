// Every way of taking a pixel takes the device pixel under the pointer's hot
// spot, on every monitor, at every display scale. Each monitor shows a
// picture whose every device pixel encodes its own place on the desktop;
// real pointer movements, clicks and keys (through the X server) sample it,
// and the sampled colour is decoded back into a place. Over the main window
// its pixels, as the X server shows them, are the reference. Run on one
// monitor and on two in several arrangements and scales.
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TBigScreenDlg.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>
#include <vector>

namespace
{

// Red and green: the low bytes of x and y; blue: their high nibbles.
std::uint32_t CodeOf(int x, int y)
{
    return static_cast<std::uint32_t>(((x & 255) << 16) | ((y & 255) << 8) | ((x >> 8) & 15) | ((y >> 8) << 4));
}

QPoint PositionOf(std::uint32_t code)
{
    return QPoint(static_cast<int>(((code >> 16) & 255) | ((code & 15) << 8)),
                  static_cast<int>(((code >> 8) & 255) | (((code >> 4) & 15) << 8)));
}

// One whole monitor, outside every window manager's placement.
class CodedScreen : public QWidget
{
public:
    explicit CodedScreen(QScreen* screen)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setScreen(screen);
        setGeometry(screen->geometry());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Screens keep their device origin as their logical one.
        const QPoint origin = screen()->geometry().topLeft();
        const qreal ratio = devicePixelRatioF();
        QImage pixels(qCeil(width() * ratio), qCeil(height() * ratio), QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y)
        {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                line[x] = 0xFF000000u | CodeOf(origin.x() + x, origin.y() + y);
        }
        pixels.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, pixels);
    }
};

} // namespace

class SamplingExactnessTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<X11Desktop> Desktop;
    std::unique_ptr<TTWMainForm> Form;
    X11Desktop::Rect MainFrame{};

    TBigScreenDlg* BigScreen() const { return Form->findChild<TBigScreenDlg*>(); }
    QLineEdit* Edit(const char* name) const { return Form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    std::uint32_t Current() const
    {
        return static_cast<std::uint32_t>((Edit("RedEdit")->text().toInt() << 16) |
                                          (Edit("GrnEdit")->text().toInt() << 8) | Edit("BluEdit")->text().toInt());
    }
    // Sets a colour through the window that no sampled pixel of the test has.
    void Disturb() { Edit("RedEdit")->setText("1"), Edit("GrnEdit")->setText("254"), Edit("BluEdit")->setText("255"); }

    // Pointer positions over the copy on every monitor: every residue of the
    // scales' periods, each monitor's corners, none under the main window.
    QList<QPoint> Positions()
    {
        // Where the manager has put the main window by now.
        MainFrame = Desktop->FrameBounds(static_cast<std::uint32_t>(Form->winId()));
        QList<QPoint> points;
        for (const RMonitor& m : DesktopMonitors())
        {
            points.append({QPoint(m.Left, m.Top), QPoint(m.Left + m.Width - 1, m.Top),
                           QPoint(m.Left, m.Top + m.Height - 1), QPoint(m.Left + m.Width - 1, m.Top + m.Height - 1)});
            for (int k = 0; k < 24; ++k)
                points.append(QPoint(m.Left + (k * 29 + k % 7) % m.Width, m.Top + (k * 23 + k % 5 + 3) % m.Height));
        }
        points.removeIf([this](QPoint p) {
            return p.x() >= MainFrame.X - 2 && p.y() >= MainFrame.Y - 2 && p.x() < MainFrame.X + MainFrame.Width + 2 &&
                   p.y() < MainFrame.Y + MainFrame.Height + 2;
        });
        return points;
    }

    // Starts sampling over the coded picture: the copy holds it everywhere,
    // then the picture goes and the sampling window is what the pointer meets.
    bool StartOverCode()
    {
        std::vector<std::unique_ptr<CodedScreen>> code;
        for (QScreen* screen : QGuiApplication::screens())
        {
            code.push_back(std::make_unique<CodedScreen>(screen));
            code.back()->show();
            if (!QTest::qWaitForWindowExposed(code.back().get()))
                return false;
        }
        QTest::qWait(100);
        QTest::mouseClick(Form->findChild<QPushButton*>("MouseSelectSBtn"), Qt::LeftButton);
        code.clear();
        return QTest::qWaitForWindowExposed(BigScreen()) && Form->IsMouseSelecting();
    }

    // The main window on the monitor of the toolkit's screen index, as the
    // user moves it there.
    void MoveFormTo(int index)
    {
        const QRect screen = QGuiApplication::screens().value(index)->geometry();
        Form->move(screen.topLeft() + QPoint(40, 60));
        QTest::qWait(300);
    }

    // Waits for the colour to change from before, then says which position
    // the sampled colour encodes.
    QPoint SampledAfter(std::uint32_t before) const
    {
        static_cast<void>(QTest::qWaitFor([&] { return Current() != before; }, 3000));
        return PositionOf(Current());
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Desktop = std::make_unique<X11Desktop>();
        QVERIFY(Desktop->IsOpen());
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        QTest::qWait(100); // placed and decorated by the manager, if any
    }

    void cleanup()
    {
        Form.reset();
        Desktop.reset();
        Folder.reset();
    }

    // With the main window on each monitor in turn.
    void MovementsTakeThePixelUnderTheHotSpot_data()
    {
        QTest::addColumn<int>("formScreen");
        for (int i = 0; i < QGuiApplication::screens().size(); ++i)
            QTest::newRow(qPrintable(QGuiApplication::screens()[i]->name())) << i;
    }

    void MovementsTakeThePixelUnderTheHotSpot()
    {
        QFETCH(int, formScreen);
        MoveFormTo(formScreen);
        QVERIFY(StartOverCode());
        // The main window stays above the copy, whichever monitor it is on.
        QVERIFY(Desktop->StackingIndex(static_cast<std::uint32_t>(Form->winId())) >
                Desktop->StackingIndex(static_cast<std::uint32_t>(BigScreen()->winId())));
        for (const QPoint p : Positions())
        {
            const std::uint32_t before = Current();
            Desktop->MoveTo(p.x(), p.y());
            QCOMPARE(SampledAfter(before), p);
            // The copy is shown one to one: the screen there shows that pixel.
            QCOMPARE(Desktop->ScreenPixel(p.x(), p.y()), CodeOf(p.x(), p.y()));
        }
    }

    void ClicksAndKeysTakeThePixelUnderTheHotSpot_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("click") << false;
        QTest::newRow("key") << true;
    }

    void ClicksAndKeysTakeThePixelUnderTheHotSpot()
    {
        QFETCH(bool, byKey);
        const QList<QPoint> positions = Positions();
        for (int i = 0; i < positions.size(); i += 5)
        {
            const QPoint p = positions[i];
            QVERIFY(StartOverCode());
            Desktop->MoveTo(p.x(), p.y());
            QTest::qWait(30);
            Disturb(); // the take must read the pixel itself
            const std::uint32_t before = Current();
            if (byKey)
                QVERIFY(Desktop->Key(0x61)); // 'a'
            else
                Desktop->Button(true), Desktop->Button(false);
            QCOMPARE(SampledAfter(before), p);
            QTRY_VERIFY(!BigScreen()->isVisible());
        }
    }

    // A click anywhere while sampling is the dropper's: a window of another
    // program under it, here on the last monitor, never receives it.
    void AClickNeverReachesAnotherWindow()
    {
        class Witness : public QWidget
        {
        public:
            int Presses = 0;

        protected:
            void mousePressEvent(QMouseEvent*) override { ++Presses; }
        } witness;
        const QRect last = QGuiApplication::screens().constLast()->geometry();
        // Towards the monitor's corner, clear of the main window in its middle.
        witness.setGeometry(QRect(last.bottomRight() - QPoint(200, 150), QSize(120, 80)));
        witness.show();
        QVERIFY(QTest::qWaitForWindowExposed(&witness));
        const X11Desktop::Rect shown = Desktop->Bounds(static_cast<std::uint32_t>(witness.winId()));
        QVERIFY(StartOverCode());
        Desktop->MoveTo(shown.X + shown.Width / 2, shown.Y + shown.Height / 2);
        QTest::qWait(50);
        Desktop->Button(true), Desktop->Button(false);
        QTRY_VERIFY(!BigScreen()->isVisible());
        QTest::qWait(100);
        QCOMPARE(witness.Presses, 0);
    }

    // A click on the main window while sampling leaves the keyboard with the
    // dropper: a key still takes the pixel and ends sampling, and Escape
    // never closes the window.
    void KeysEndSamplingAfterAClickOnTheMainWindow()
    {
        QVERIFY(StartOverCode());
        const X11Desktop::Rect client = Desktop->Bounds(static_cast<std::uint32_t>(Form->winId()));
        QWidget* label = Form->findChild<QWidget*>("Label1"); // "RGB Hex Value:", which takes no click
        const QPoint at = label->mapTo(Form.get(), label->rect().center()) * Form->devicePixelRatioF();
        Desktop->MoveTo(client.X + at.x(), client.Y + at.y());
        Desktop->Button(true), Desktop->Button(false);
        QTest::qWait(100);
        QVERIFY(BigScreen()->isVisible());
        const QPoint p = Positions().constFirst();
        Desktop->MoveTo(p.x(), p.y());
        QTest::qWait(50);
        QVERIFY(Desktop->Key(0xff1b)); // Escape
        QTRY_VERIFY(!BigScreen()->isVisible());
        QCOMPARE(PositionOf(Current()), p);
        QTest::qWait(100);
        QVERIFY(Form->isVisible());
    }

    // The fixed-size window shows its whole layout on every monitor, at that
    // monitor's scale: moved there, and started there.
    void TheMainWindowKeepsItsLayoutOnEveryMonitor()
    {
        const QSize layout(352, 255);
        for (int i = 0; i < QGuiApplication::screens().size(); ++i)
        {
            QScreen* screen = QGuiApplication::screens()[i];
            MoveFormTo(i);
            const auto fits = [&]
            {
                const X11Desktop::Rect client = Desktop->Bounds(static_cast<std::uint32_t>(Form->winId()));
                const QSize device = (QSizeF(layout) * screen->devicePixelRatio()).toSize();
                return Form->size() == layout && std::abs(client.Width - device.width()) <= 1 &&
                       std::abs(client.Height - device.height()) <= 1;
            };
            QTRY_VERIFY2(fits(), qPrintable(QStringLiteral("moved to %1").arg(screen->name())));
            Form->close(); // the placement saved
            Form = std::make_unique<TTWMainForm>();
            Form->show();
            QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
            QTRY_VERIFY2(fits(), qPrintable(QStringLiteral("started on %1").arg(screen->name())));
        }
    }

    // Over the main window's own client area the window samples itself:
    // the pixel it shows under the hot spot, where it differs from the
    // neighbours on two sides.
    // Its panels cover it, so the server's movements reach them, not it; the
    // movement is given to it as the toolkit would, at the exact fraction.
    void TheMainWindowSamplesItsOwnPixelsExactly()
    {
        QVERIFY(StartOverCode());
        QWidget* side = Form->findChild<QWidget*>("SidePanel");
        const X11Desktop::Rect client = Desktop->Bounds(static_cast<std::uint32_t>(Form->winId()));
        const qreal ratio = Form->devicePixelRatioF();
        const int width = qFloor(side->width() * ratio), height = qFloor(side->height() * ratio);
        const auto shown = Desktop->ScreenPixels(client.X, client.Y, width, height);
        QCOMPARE(shown.size(), std::size_t(width * height));
        const auto at = [&](int x, int y) { return shown[std::size_t(y * width + x)]; };
        int checked = 0;
        for (int y = 1; y + 1 < height && checked < 24; y += 3)
            for (int x = 1; x + 1 < width && checked < 24; ++x)
            {
                // The pixel art is drawn in blocks: a block's top-left pixel
                // tells a sample one off up or left, its bottom-right one a
                // sample one off down or right.
                const std::uint32_t c = at(x, y);
                const bool topLeft = c != at(x - 1, y) && c != at(x, y - 1);
                const bool bottomRight = c != at(x + 1, y) && c != at(x, y + 1);
                if (!topLeft && !bottomRight)
                    continue;
                Disturb();
                const QPointF logical(x / ratio, y / ratio);
                QMouseEvent move(QEvent::MouseMove, logical, logical, Form->mapToGlobal(logical), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(Form.get(), &move);
                QCOMPARE(Current(), c);
                ++checked;
                x += 7;
            }
        QVERIFY2(checked >= 8, "too few distinct pixels in the side bar");
    }
};

QTEST_MAIN(SamplingExactnessTest)
#include "SamplingExactnessTest.moc"

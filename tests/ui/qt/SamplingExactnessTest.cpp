// Every way of taking a pixel takes the device pixel under the pointer's hot
// spot, at every display scale. The screen shows a picture whose every
// device pixel encodes its own position; real pointer movements, clicks and
// keys (through the X server) sample it, and the sampled colour is decoded
// back into a position. Over the main window its pixels, as the X server
// shows them, are the reference.
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

// The whole primary screen, outside every window manager's placement.
class CodedScreen : public QWidget
{
public:
    CodedScreen() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        QImage pixels(qCeil(width() * ratio), qCeil(height() * ratio), QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y)
        {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                line[x] = 0xFF000000u | CodeOf(x, y);
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

    // Pointer positions over the copy: every residue of the scales' periods,
    // both screen edges, none under the main window.
    QList<QPoint> Positions()
    {
        // Where the manager has put the main window by now.
        MainFrame = Desktop->FrameBounds(static_cast<std::uint32_t>(Form->winId()));
        const QSize device(Desktop->Width(), Desktop->Height());
        QList<QPoint> points{{0, 0}, {device.width() - 1, 0}, {0, device.height() - 1}};
        for (int k = 0; k < 48; ++k)
            points.append(QPoint((k * 29 + k % 7) % device.width(), (k * 23 + k % 5 + 3) % device.height()));
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
        CodedScreen code;
        code.show();
        if (!QTest::qWaitForWindowExposed(&code))
            return false;
        QTest::qWait(100);
        QTest::mouseClick(Form->findChild<QPushButton*>("MouseSelectSBtn"), Qt::LeftButton);
        code.hide();
        return QTest::qWaitForWindowExposed(BigScreen()) && Form->IsMouseSelecting();
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

    void MovementsTakeThePixelUnderTheHotSpot()
    {
        QVERIFY(StartOverCode());
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

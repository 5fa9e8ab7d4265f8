// Sampling on Wayland takes the device pixel under the pointer's hot spot,
// exactly, on two outputs of different scales (1 and 1.5) side by side and
// offset, as a headless sway lays them out (with-sway.sh). Each output shows
// a picture whose every device pixel has a colour of its own; the
// compositor's own copy of each output (grim, at the output's resolution)
// is the reference. A virtual pointer moves and clicks through the
// compositor, to positions in 1/256 of a logical pixel at every remainder
// within a device pixel.
#include "ui/AccessibleNames.h"
#include "ui/LoupePicture.h"
#include "ui/qt/TOutputPanes.h"
#include "ui/qt/TTWMainForm.h"
#include "ui/qt/WaylandOutputs.h"

#include "support/TestFolder.h"
#include "support/VirtualPointer.h"

#include <QAccessible>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <utility>
#include <memory>

namespace
{

// Red and green: the low bytes of x and y; blue: their high nibbles, and
// bit 7 for the second output, so that no two device pixels of the desktop
// share a colour.
std::uint32_t CodeOf(int x, int y, bool second)
{
    return static_cast<std::uint32_t>(((x & 255) << 16) | ((y & 255) << 8) | ((x >> 8) & 7) | ((y >> 8) << 4) |
                                      (second ? 0x80 : 0));
}

// One output covered by the code, every pixel of the window's buffer its own.
class CodedOutput : public QWidget
{
public:
    CodedOutput(QScreen* screen, bool second) : Second(second)
    {
        setScreen(screen);
        setGeometry(screen->geometry());
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
                line[x] = 0xFF000000U | CodeOf(x, y, Second);
        }
        pixels.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, pixels);
    }

private:
    bool Second;
};

QImage CaptureOutput(const std::string& name, const QString& folder)
{
    const QString file = folder + QStringLiteral("/%1.ppm").arg(QString::fromStdString(name));
    QProcess::execute(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-o"),
                                               QString::fromStdString(name), file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// A place to take: a device pixel of an output, reached at a remainder
// (0 <= r < 1) of the way across it on both axes.
struct RProbe
{
    int Output;
    int X, Y;
    double Remainder;
};

} // namespace

class WaylandSamplingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    QTemporaryDir Captures;
    std::vector<ROutput> Outputs;
    std::vector<QImage> Reference;
    std::vector<std::unique_ptr<CodedOutput>> Code;
    std::unique_ptr<RVirtualPointer> Pointer;
    std::unique_ptr<TTWMainForm> Form;
    // Where the pointer waits while the outputs are copied: on the first
    // output, away from every corner the tests read.
    const QPoint Park{500, 350};
    // Where it passes on the other output on its way to a place.
    const QPoint Passing{7, 5};

    // The pixels that differ, but where the compositor drew the pointer,
    // which it may leave behind in its copies when the pointer goes: at the
    // places the pointer rested.
    static int Differences(const QImage& shown, const QImage& reference, const QList<QPoint>& rested)
    {
        int differences = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != reference.pixel(x, y) &&
                    std::none_of(rested.begin(), rested.end(), [&](QPoint at)
                                 { return QRect(at - QPoint(8, 8), QSize(48, 48)).contains(x, y); }))
                    ++differences;
        return differences;
    }

    QLineEdit* Edit(const char* name) const { return Form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    std::uint32_t Current() const
    {
        return static_cast<std::uint32_t>((Edit("RedEdit")->text().toInt() << 16) |
                                          (Edit("GrnEdit")->text().toInt() << 8) | Edit("BluEdit")->text().toInt());
    }
    std::uint32_t ReferenceAt(const RProbe& p) const
    {
        return Reference[static_cast<std::size_t>(p.Output)].pixel(p.X, p.Y) & 0xFFFFFFU;
    }

    // The logical position, in 1/256, within device pixel d of an output of
    // deviceSize pixels over logicalSize, at remainder r: the compositor's
    // own unit, kept inside the pixel's logical span.
    static long Within(int d, double r, int deviceSize, int logicalSize)
    {
        const double perDevice = 256.0 * logicalSize / deviceSize;
        const long first = static_cast<long>(std::ceil(d * perDevice));
        const long last = static_cast<long>(std::ceil((d + 1) * perDevice)) - 1;
        return std::clamp(std::lround((d + r) * perDevice), first, last);
    }

    void MoveTo(const RProbe& p)
    {
        const ROutput& o = Outputs[static_cast<std::size_t>(p.Output)];
        Pointer->MoveTo(o.LogicalX * 256L + Within(p.X, p.Remainder, o.DeviceWidth, o.LogicalWidth),
                        o.LogicalY * 256L + Within(p.Y, p.Remainder, o.DeviceHeight, o.LogicalHeight));
    }

    // Moves elsewhere first, so that every arrival changes the colour.
    bool Reach(const RProbe& p)
    {
        const RProbe park{1 - p.Output, Passing.x(), Passing.y(), 0.5};
        for (const RProbe& step : {park, p})
        {
            const std::uint32_t before = Current();
            MoveTo(step);
            if (!QTest::qWaitFor([&] { return Current() != before; }, 3000))
                return false;
        }
        return true;
    }

    // Corners, the seam on both sides, and places spread over each output,
    // each at several remainders.
    QList<RProbe> Probes() const
    {
        QList<RProbe> probes;
        for (int i = 0; i < static_cast<int>(Outputs.size()); ++i)
        {
            const int w = Outputs[static_cast<std::size_t>(i)].DeviceWidth;
            const int h = Outputs[static_cast<std::size_t>(i)].DeviceHeight;
            QList<QPoint> places{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w - 1, h / 2}, {0, h / 3}};
            for (int k = 0; k < 12; ++k)
                places.append({(k * 97 + 13) % w, (k * 61 + 29) % h});
            for (const QPoint& place : places)
                for (double r : {0.0, 0.2, 0.5, 0.8, 0.999})
                    probes.append({i, place.x(), place.y(), r});
        }
        return probes;
    }

    // Each output full screen under its code, and the compositor's copy of
    // it as the reference; again before each test, since a pane that went
    // full screen took that from the code's window.
    bool CoverWithCode()
    {
        // Without a cursor plane the compositor draws the pointer into its
        // copies of the outputs (a real display's has a plane of its own):
        // in the reference and in the program's copy alike, as long as it
        // stays, away from the corners that tell the code is shown.
        if (Pointer)
            Pointer->MoveTo(256L * Park.x(), 256L * Park.y());
        Code.clear();
        Reference.clear();
        for (std::size_t i = 0; i < Outputs.size(); ++i)
        {
            QScreen* screen = nullptr;
            for (QScreen* s : QGuiApplication::screens())
                if (s->name().toStdString() == Outputs[i].Name)
                    screen = s;
            if (screen == nullptr)
                return false;
            Code.push_back(std::make_unique<CodedOutput>(screen, i == 1));
            Code.back()->showFullScreen();
            if (!QTest::qWaitForWindowExposed(Code.back().get()))
                return false;
        }
        // Until the compositor shows the code on both outputs, to their far
        // corners.
        const auto coded = [this](std::size_t i)
        {
            const QImage& shown = Reference[i];
            const QPoint last(shown.width() - 1, shown.height() - 1);
            return shown.size() == QSize(Outputs[i].DeviceWidth, Outputs[i].DeviceHeight) &&
                   (shown.pixel(0, 0) & 0xFFFFFFU) == CodeOf(0, 0, i == 1) &&
                   ((shown.pixel(last) & 0x80U) != 0) == (i == 1) && shown.pixel(last) != shown.pixel(last - QPoint(1, 1));
        };
        // The same twice in a row: nothing is still being drawn.
        int tries = 0;
        std::vector<QImage> before;
        return QTest::qWaitFor([&]
        {
            // A window the compositor showed late may wait for a frame it
            // is never asked for.
            if (++tries % 10 == 0)
                for (auto& code : Code)
                    code->update();
            before = std::exchange(Reference, {});
            for (const ROutput& output : Outputs)
                Reference.push_back(CaptureOutput(output.Name, Captures.path()));
            return coded(0) && coded(1) && Reference == before;
        }, 10000);
    }

    bool StartSampling()
    {
        // The compositor rearranges the outputs after the windows the test
        // made full screen for a while (sway draws an output black while it
        // waits for this slow process): the copy is of what it settles on.
        QTest::qWait(500);
        // Not a click of the test's own: the toolkit would take its button
        // state for the real pointer's.
        Form->findChild<QPushButton*>("MouseSelectSBtn")->click();
        if (!QTest::qWaitFor([this] { return Form->OutputPanes() != nullptr && Form->OutputPanes()->IsShown(); }, 5000))
            return false;
        const TOutputPanes* panes = Form->OutputPanes();
        if (!Form->IsMouseSelecting() || panes->Shown().size() != Outputs.size())
            return false;
        for (const auto& pane : panes->Shown())
            if (!QTest::qWaitForWindowExposed(pane.get()))
                return false;
        QTest::qWait(200); // on the screen, full screen
        return true;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        const RWaylandDesktop desktop = DescribeWaylandDesktop();
        QVERIFY(desktop.OffersOutputCopies);
        Outputs = desktop.Outputs;
        QCOMPARE(Outputs.size(), std::size_t{2});
        QCOMPARE(Outputs[1].Scale(), 1.5);
        // Nearest, so that each device pixel of the fractional output shows
        // one pixel of the window's buffer: every colour stays its own.
        QProcess::execute(QStringLiteral("swaymsg"), {QStringLiteral("output * scale_filter nearest")});
        // Every device pixel has a colour of its own, on both outputs, while
        // the seat has no pointer to draw.
        QVERIFY(CoverWithCode());
        for (const QImage& reference : Reference)
        {
            std::set<QRgb> colours;
            for (int y = 0; y < reference.height(); ++y)
                for (int x = 0; x < reference.width(); ++x)
                    colours.insert(reference.pixel(x, y));
            QCOMPARE(colours.size(), static_cast<std::size_t>(reference.width() * reference.height()));
        }
        Pointer = std::make_unique<RVirtualPointer>(1800, 700);
        QVERIFY(Pointer->Ready());
    }

    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        QVERIFY(CoverWithCode());
    }

    void cleanup()
    {
        Form.reset();
        Folder.reset();
    }

    void MovementsTakeTheDevicePixelUnderTheHotSpot()
    {
        QVERIFY(StartSampling());
        for (const RProbe& p : Probes())
        {
            QVERIFY2(Reach(p), qPrintable(QStringLiteral("output %1 pixel %2,%3 remainder %4 never followed")
                                              .arg(p.Output).arg(p.X).arg(p.Y).arg(p.Remainder)));
            QCOMPARE(Current(), ReferenceAt(p));
        }
        QVERIFY(Form->IsMouseSelecting());
        // A screen reader hears the last colour the pointer reached.
        QWidget* pane = Form->OutputPanes()->Shown().front().get();
        RColor last(0);
        last.SetRGB(static_cast<int>(Current() >> 16), static_cast<int>((Current() >> 8) & 0xFF),
                    static_cast<int>(Current() & 0xFF));
        QTRY_COMPARE(QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name),
                     QString::fromStdString(SamplingAnnouncement(last)));
    }

    void ClicksAndKeysTakeThePixelAndEnd_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("output");
        for (int output : {0, 1})
        {
            QTest::addRow("click on output %d", output) << false << output;
            QTest::addRow("key on output %d", output) << true << output;
        }
    }

    void ClicksAndKeysTakeThePixelAndEnd()
    {
        QFETCH(bool, byKey);
        QFETCH(int, output);
        const ROutput& o = Outputs[static_cast<std::size_t>(output)];
        const RProbe p{output, o.DeviceWidth - 2, o.DeviceHeight / 2 + 1, 0.9};
        QVERIFY(StartSampling());
        QVERIFY(Reach(p));
        if (byKey)
            QTest::keyClick(Form->OutputPanes()->Shown()[static_cast<std::size_t>(output)].get(), Qt::Key_A);
        else
            Pointer->Click();
        QTRY_VERIFY(!Form->IsMouseSelecting());
        QCOMPARE(Current(), ReferenceAt(p));
        QVERIFY(!Form->OutputPanes()->IsShown());
    }

    // The loupe on the output under the pointer only, never over the hot
    // spot, showing the copy's own pixels; the other output shows its copy
    // one to one.
    void TheLoupeIsBesideTheHotSpotOnItsOutput()
    {
        QVERIFY(StartSampling());
        const RProbe p{1, 1190, 890, 0.5};
        // The main window, which the compositor may keep above the panes,
        // shows the colour followed; the copy shows it as it was.
        Form->hide();
        QVERIFY(Reach(p));
        QTest::qWait(300);
        const QImage second = CaptureOutput(Outputs[1].Name, Captures.path());
        const QImage first = CaptureOutput(Outputs[0].Name, Captures.path());
        const QRect area = Form->OutputPanes()->Shown()[1]->Loupe().Area;
        QVERIFY(!area.isEmpty());
        QVERIFY(!area.adjusted(-1, -1, 1, 1).contains(QPoint(p.X, p.Y)));
        QVERIFY(QRect(0, 0, Outputs[1].DeviceWidth, Outputs[1].DeviceHeight).contains(area));
        const int middle = RLoupeLayout::Border + RLoupeLayout::Cells / 2 * RLoupeLayout::CellSize +
                           RLoupeLayout::CellSize / 2;
        QCOMPARE(second.pixel(area.topLeft() + QPoint(middle, middle)) & 0xFFFFFFU, ReferenceAt(p));
        QCOMPARE(second.pixel(area.topLeft()) & 0xFFFFFFU, 0U); // its black border
        QVERIFY(Form->OutputPanes()->Shown()[0]->Loupe().Area.isEmpty());
        // One to one.
        QCOMPARE(Differences(first, Reference[0], {Park, Passing}), 0);
    }

    // The program started from the command line prints the pixel taken.
    void ThePickFromTheCommandLinePrintsIt()
    {
        Form.reset();
        QVERIFY(CoverWithCode());
        const QByteArray program = qgetenv("TINTWELL_PROGRAM");
        QVERIFY(!program.isEmpty());
        QProcess pick;
        pick.start(QString::fromLocal8Bit(program),
                   {QStringLiteral("--pick"), QStringLiteral("--print"), QStringLiteral("--format"),
                    QStringLiteral("hex-digits")});
        QVERIFY(pick.waitForStarted());
        // Its panes are full screen on both outputs.
        const auto panesShown = [&]
        {
            QProcess tree;
            tree.start(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")});
            tree.waitForFinished();
            int fullScreen = 0;
            std::function<void(const QJsonObject&)> visit = [&](const QJsonObject& node)
            {
                if (node.value(QStringLiteral("pid")).toInteger() == pick.processId() &&
                    node.value(QStringLiteral("fullscreen_mode")).toInt() == 1 &&
                    node.value(QStringLiteral("visible")).toBool())
                    ++fullScreen;
                for (const QJsonValue child : node.value(QStringLiteral("nodes")).toArray())
                    visit(child.toObject());
            };
            visit(QJsonDocument::fromJson(tree.readAllStandardOutput()).object());
            return fullScreen == 2;
        };
        QVERIFY(QTest::qWaitFor(panesShown, 10000));
        // Copied: the code's windows may go, leaving the pick's panes alone.
        Code.clear();
        QTest::qWait(200);
        const RProbe p{1, 301, 651, 0.7};
        // Arriving from another output is an entry without a movement, which
        // the toolkit passes on no press after.
        MoveTo({1, 301, 651, 0.2});
        QTest::qWait(100);
        MoveTo(p);
        QTest::qWait(100);
        Pointer->Click();
        QVERIFY(pick.waitForFinished(10000));
        QCOMPARE(pick.exitCode(), 0);
        QCOMPARE(pick.readAllStandardOutput().trimmed(),
                 QStringLiteral("%1").arg(ReferenceAt(p), 6, 16, QLatin1Char('0')).toUpper().toLatin1());
    }
};

QTEST_MAIN(WaylandSamplingTest)
#include "WaylandSamplingTest.moc"

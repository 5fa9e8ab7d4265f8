// Picking from a desktop shortcut, as the built program does it under a
// window manager: "tintwell --pick" with no Tintwell running, with one
// running, and after one was killed; "tintwell --pick --print" printing the
// clicked pixel's literal or cancelled by Escape.
#include "instance/InstanceRequest.h"
#include "settings/RAppReg.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QPainter>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <memory>

namespace
{

constexpr std::uint32_t EscapeKey = 0xff1b;
const char* const Caption = "Quenlar Tintwell";

// Every pixel says where it is: red and green the low bytes of x and y,
// blue their high bits.
std::uint32_t CodeOf(int x, int y)
{
    return static_cast<std::uint32_t>((x & 255) << 16 | (y & 255) << 8 | (x >> 8) << 4 | (y >> 8));
}

// A managed window, as any other program's: an unmanaged one would stay
// above the sampling, which the window manager stacks.
class CodedPicture : public QWidget
{
public:
    CodedPicture() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setGeometry(0, 0, 1200, 900); // short of the screen, which only a sampling covers
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPoint origin = mapToGlobal(QPoint(0, 0));
        QImage pixels(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                pixels.setPixel(x, y, 0xFF000000u | CodeOf(origin.x() + x, origin.y() + y));
        QPainter(this).drawImage(0, 0, pixels);
    }
};

// A window of another program that bypasses the window manager, as a
// notification does; it counts the presses it gets.
class Notification : public QWidget
{
public:
    int Presses = 0;

    Notification() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(600, 500, 200, 100);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { ++Presses; }
};

} // namespace

class PickTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<X11Desktop> Desktop;
    std::unique_ptr<CodedPicture> Picture;
    std::vector<std::unique_ptr<QProcess>> Programs;

    QProcess& Start(const QStringList& arguments)
    {
        Programs.push_back(std::make_unique<QProcess>());
        QProcess& program = *Programs.back();
        program.start(QStringLiteral(TINTWELL_PROGRAM), arguments);
        return program;
    }
    // Waits until a sampling covers the screen, then clicks at (x, y).
    void ClickWhenSampling(int x, int y)
    {
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->RootCovered(), 10000);
        QTest::qWait(200); // the grab and the first movement
        Desktop->MoveTo(x, y);
        QTest::qWait(100);
        Desktop->Button(true);
        Desktop->Button(false);
    }
    // Ends program as a desktop session would; it saves on the way out.
    static void Terminate(QProcess& program)
    {
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
    }
    static std::int32_t SavedColor()
    {
        RAppReg store("Quenlar\\Tintwell", false, "tintwell");
        store.SetSection("Options");
        return store.ReadInt("LastColor", -1);
    }
    static std::int32_t ColorOfCode(std::uint32_t code)
    {
        return static_cast<std::int32_t>(ColorValueOf(static_cast<std::uint8_t>(code >> 16),
                                                      static_cast<std::uint8_t>(code >> 8),
                                                      static_cast<std::uint8_t>(code)));
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TestFolder>();
        // Each test's instances meet in a folder of its own.
        const auto runtime = Folder->Path() / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        Folder->SetEnv("XDG_RUNTIME_DIR", runtime.string());
        Desktop = std::make_unique<X11Desktop>();
        QVERIFY(Desktop->IsOpen());
        QVERIFY2(Desktop->WindowManagerRunning(), "these tests need a window manager");
        Picture = std::make_unique<CodedPicture>();
        Picture->show();
        QVERIFY(QTest::qWaitForWindowExposed(Picture.get()));
        QTRY_COMPARE(Desktop->ScreenPixel(1000, 770), CodeOf(1000, 770));
    }
    void cleanup()
    {
        for (auto& program : Programs)
            if (program->state() != QProcess::NotRunning)
            {
                program->kill();
                program->waitForFinished(5000);
            }
        Programs.clear();
        Picture.reset();
        Desktop.reset();
        Folder.reset();
    }

    void PickStartsTheWindowSampling()
    {
        QProcess& tintwell = Start({"--pick"});
        ClickWhenSampling(150, 120); // clear of the main window, which stays above
        QTRY_VERIFY(!Desktop->RootCovered());
        QCOMPARE(Desktop->ClientsTitled(Caption).size(), size_t(1));
        Terminate(tintwell);
        QCOMPARE(SavedColor(), ColorOfCode(CodeOf(150, 120)));
    }

    // The running one samples; the second start opens nothing and ends.
    void PickGoesToTheRunningTintwell()
    {
        QProcess& running = Start({});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->ClientTitled(Caption) != XCB_NONE, 10000);
        QProcess& second = Start({"--pick"});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        ClickWhenSampling(321, 654);
        Terminate(running);
        QCOMPARE(SavedColor(), ColorOfCode(CodeOf(321, 654)));
    }

    void AKilledTintwellBlocksNoStart()
    {
        QProcess& killed = Start({});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->ClientTitled(Caption) != XCB_NONE, 10000);
        killed.kill(); // its socket stays behind
        QVERIFY(killed.waitForFinished(5000));
        QTRY_VERIFY(Desktop->ClientTitled(Caption) == XCB_NONE);
        QProcess& tintwell = Start({"--pick"});
        ClickWhenSampling(1000, 300);
        Terminate(tintwell);
        QCOMPARE(SavedColor(), ColorOfCode(CodeOf(1000, 300)));
    }

    // A start that hands its request over ends its launcher's startup (the
    // busy cursor): the running window sends the startup's "remove" for the
    // id the start was given.
    void AHandedOverStartEndsItsLaunchersStartup()
    {
        Start({});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->ClientTitled(Caption) != XCB_NONE, 10000);
        Desktop->WatchStartupMessages();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESKTOP_STARTUP_ID", "launcher/tintwell/42-0-host_TIME0");
        Programs.push_back(std::make_unique<QProcess>());
        QProcess& second = *Programs.back();
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(TINTWELL_PROGRAM), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        const std::string removed = "remove: ID=launcher/tintwell/42-0-host_TIME0";
        const auto seen = [this, &removed]
        {
            const std::vector<std::string> messages = Desktop->StartupMessages();
            return std::count(messages.begin(), messages.end(), removed);
        };
        QTRY_COMPARE(seen(), 1);
    }

    // Regression: a window that bypasses the window manager stayed above the
    // copy and took the click meant for it. Now the click takes the copy's
    // pixel there, and the window gets nothing.
    void AWindowAboveTheCopyGetsNoClick()
    {
        QProcess& pick = Start({"--pick", "--print", "--format", "rgb"});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->RootCovered(), 10000);
        Notification above;
        above.show();
        above.raise();
        QVERIFY(QTest::qWaitForWindowExposed(&above));
        QTest::qWait(200);
        Desktop->MoveTo(650, 550);
        QTest::qWait(100);
        Desktop->Button(true);
        Desktop->Button(false);
        QVERIFY(pick.waitForFinished(10000));
        QCOMPARE(pick.exitCode(), 0);
        QCOMPARE(above.Presses, 0);
        const auto color = static_cast<ColorValue>(ColorOfCode(CodeOf(650, 550)));
        QCOMPARE(pick.readAllStandardOutput(),
                 QString::asprintf("rgb(%d %d %d)\n", RedOfValue(color), GreenOfValue(color), BlueOfValue(color))
                     .toLatin1());
    }

    // Regression: a stopped Tintwell made every later start wait for ever.
    // Now a start says so and picks on its own within the answer's limit,
    // however many came before it.
    void AStoppedTintwellHoldsNoStart()
    {
        QProcess& stopped = Start({});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->ClientTitled(Caption) != XCB_NONE, 10000);
        ::kill(static_cast<pid_t>(stopped.processId()), SIGSTOP);
        for (int earlier = 0; earlier < 5; ++earlier)
            Start({"--pick"}).closeWriteChannel(); // a hot key pressed again and again
        QProcess& tintwell = Start({"--pick"});
        QVERIFY(tintwell.waitForStarted(5000));
        QElapsedTimer waited;
        waited.start();
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += tintwell.readAllStandardError()).contains("did not answer"), 5000);
        QVERIFY2(waited.elapsed() < InstanceAnswerWaitMs + 1500, qPrintable(QString::number(waited.elapsed()) + said));
        ::kill(static_cast<pid_t>(stopped.processId()), SIGCONT);
    }

    // In the saved notation (C++ here), with no window shown and nothing saved.
    void PrintPrintsTheClickedPixel()
    {
        {
            RAppReg store("Quenlar\\Tintwell", false, "tintwell");
            store.SetSection("Options");
            store.WriteInt("HexFormat", 1);
        }
        QProcess& pick = Start({"--pick", "--print"});
        ClickWhenSampling(259, 770);
        QVERIFY(pick.waitForFinished(10000));
        QCOMPARE(pick.exitCode(), 0);
        const ColorValue color = static_cast<ColorValue>(ColorOfCode(CodeOf(259, 770)));
        QCOMPARE(pick.readAllStandardOutput(), QString::asprintf("0x00%06X\n", color).toLatin1());
        QVERIFY(Desktop->ClientsTitled(Caption).empty());
        QCOMPARE(SavedColor(), -1);
    }

    // In the form the command line names, whatever the saved notation.
    void PrintInTheFormNamed()
    {
        QProcess& pick = Start({"--pick", "--print", "--format", "rgb"});
        ClickWhenSampling(259, 770);
        QVERIFY(pick.waitForFinished(10000));
        QCOMPARE(pick.exitCode(), 0);
        const ColorValue color = static_cast<ColorValue>(ColorOfCode(CodeOf(259, 770)));
        QCOMPARE(pick.readAllStandardOutput(),
                 QString::asprintf("rgb(%d %d %d)\n", RedOfValue(color), GreenOfValue(color), BlueOfValue(color))
                     .toLatin1());
    }

    void EscapeCancelsAPrintedPick()
    {
        QProcess& pick = Start({"--pick", "--print"});
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->RootCovered(), 10000);
        QTest::qWait(200);
        QVERIFY(Desktop->Key(EscapeKey));
        QVERIFY(pick.waitForFinished(10000));
        QCOMPARE(pick.exitCode(), 1);
        QCOMPARE(pick.readAllStandardOutput(), QByteArray());
    }
};

QTEST_MAIN(PickTest)
#include "PickTest.moc"

// The help viewer: its pages and links, shown in this process; and as the
// program runs it, a process of its own, above the main window under a
// window manager, that a damaged help file takes down without the program.
#include "shell/Help.h"
#include "ui/qt/HelpViewerRequest.h"
#include "ui/qt/QtHelpHost.h"
#include "ui/qt/RHelpViewer.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TTWMainForm.h"

#include "support/RecordingOpener.h"
#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <memory>

namespace
{

constexpr const char* Overview = "Tintwell Help - Overview";

// The built help file, copied beside this test program.
std::filesystem::path HelpFile()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Tintwell.chm";
}

// The help file with the word after its compression header's signature set
// to 1: enough to crash the engine when it reads a page.
std::filesystem::path DamagedHelpFile(const TestFolder& folder)
{
    std::vector<unsigned char> bytes = TestFolder::ReadBytes(HelpFile());
    const std::string signature = "LZXC";
    const auto at = std::search(bytes.begin(), bytes.end(), signature.begin(), signature.end());
    if (at == bytes.end() || bytes.end() - at < 8)
        qFatal("the help file has no compression header");
    std::copy_n("\x01\x00\x00\x00", 4, at + 4);
    const auto damaged = folder.Path() / "Tintwell.chm";
    std::ofstream(damaged, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<std::streamsize>(bytes.size()));
    return damaged;
}

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Waits until process shows the overview. On X11 that is its window, found
// by title and owner; elsewhere one program cannot see another's windows,
// and a viewer still running after a while is what can be seen.
bool OverviewShownBy(qint64 process)
{
    if (process <= 0)
        return false;
    if (!OnX11())
    {
        QTest::qWait(2000);
        return ::kill(static_cast<pid_t>(process), 0) == 0;
    }
    X11Desktop desktop;
    QDeadlineTimer deadline(20000);
    for (; !deadline.hasExpired(); QTest::qWait(50))
    {
        const std::uint32_t window = desktop.ClientTitled(Overview);
        if (window != XCB_NONE && desktop.ProcessOf(window) == process)
            return true;
    }
    return false;
}

// The main window as the program shows it, its help going to a viewer
// process started from the built program.
struct Program
{
    QtHelpHost Host{QStringLiteral(TINTWELL_PROGRAM)};
    std::unique_ptr<TTWMainForm> Form = std::make_unique<TTWMainForm>();

    Program()
    {
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    }
    const QProcess& Viewer() const { return Host.Viewer().Process(); }
    void ClickHelp() { QTest::mouseClick(Form->findChild<QPushButton*>("HelpBtn"), Qt::LeftButton); }
};

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

    RHtmlHelpLibrary Library;

private slots:
    void initTestCase()
    {
        QVERIFY2(LoadHtmlHelpLibrary(DefaultHtmlHelpLibraryFile(), Library), "the help engine is not installed");
        QVERIFY(std::filesystem::exists(HelpFile()));
    }
    void cleanupTestCase() { ReleaseHtmlHelpLibrary(Library); }

    void RequestsTravelAsOneLineEach_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("owned") << QByteArray("4194310\tTintwell.chm::/Overview.htm") << true;
        QTest::newRow("no owner") << QByteArray("0\t/a folder/Hj\xC3\xA6lp\tfile.chm::/x.htm") << true;
        QTest::newRow("largest id") << QByteArray("18446744073709551615\tTintwell.chm") << true;
        QTest::newRow("owner's frame") << QByteArray("12,-1024,30,360,290\tTintwell.chm") << true;
        QTest::newRow("frame cut short") << QByteArray("12,10,30,360\tTintwell.chm") << false;
        QTest::newRow("empty frame") << QByteArray("12,10,30,0,290\tTintwell.chm") << false;
        QTest::newRow("frame not numbers") << QByteArray("12,a,30,360,290\tTintwell.chm") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("no tab") << QByteArray("12 Tintwell.chm") << false;
        QTest::newRow("no owner id") << QByteArray("\tTintwell.chm") << false;
        QTest::newRow("owner not a number") << QByteArray("0x12\tTintwell.chm") << false;
        QTest::newRow("negative owner") << QByteArray("-1\tTintwell.chm") << false;
        QTest::newRow("id too large") << QByteArray("18446744073709551616\tTintwell.chm") << false;
        QTest::newRow("no file") << QByteArray("12\t") << false;
        QTest::newRow("carriage return") << QByteArray("12\tTintwell.chm\r") << false;
    }
    void RequestsTravelAsOneLineEach()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        RHelpViewerRequest request;
        QCOMPARE(ParseHelpViewerRequest(line, request), valid);
        if (valid)
            QCOMPARE(FormatHelpViewerRequest(request), line + '\n');
    }

    void ANameWithALineBreakIsNeverSent()
    {
        QVERIFY(FormatHelpViewerRequest({1, "Tintwell.chm\n0\tother.chm", {}}).isEmpty());
        QVERIFY(FormatHelpViewerRequest({1, "", {}}).isEmpty());
    }

    void TheOverviewWithItsContents()
    {
        RHelpViewer* viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library);
        QTRY_COMPARE(viewer->windowTitle(), QString::fromLatin1(Overview));
        QVERIFY(viewer->findChild<QTextBrowser*>("HelpPage")->toPlainText().contains("one colour at a time"));
        auto* contents = viewer->findChild<QTreeWidget*>("HelpContents");
        QCOMPARE(contents->topLevelItemCount(), 1);
        QCOMPARE(contents->topLevelItem(0)->childCount(), 7);
        // An entry opens its page.
        emit contents->itemClicked(contents->topLevelItem(0)->child(2), 0);
        QTRY_VERIFY(viewer->windowTitle() != QString::fromLatin1(Overview));
        QVERIFY(viewer->windowTitle().startsWith("Tintwell Help - "));
        // So do Return and Space on the selected one.
        for (const auto& [key, entry] : {std::pair{Qt::Key_Return, 0}, std::pair{Qt::Key_Space, 3}})
        {
            const QString before = viewer->windowTitle();
            contents->setCurrentItem(entry == 0 ? contents->topLevelItem(0) : contents->topLevelItem(0)->child(entry));
            QTest::keyClick(contents, key);
            QTRY_VERIFY2(viewer->windowTitle() != before, qPrintable(before));
        }
        viewer->close();
    }

    // Opened for the main window, it goes beside it, not over it.
    void TheViewerOpensBesideItsOwner()
    {
        if (!OnX11())
            QSKIP("a Wayland client knows no place of its own");
        const QRect owner(60, 80, 360, 290);
        RHelpViewer* viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library, owner);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QTRY_VERIFY2(!viewer->frameGeometry().intersects(owner) && viewer->frameGeometry().left() == owner.right() + 1,
                     qPrintable(QStringLiteral("%1,%2").arg(viewer->frameGeometry().x()).arg(viewer->frameGeometry().y())));
        viewer->close();
    }

    // Every contents title shows whole, without a horizontal scroll.
    void TheContentsShowWholeTitles()
    {
        RHelpViewer* viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        auto* contents = viewer->findChild<QTreeWidget*>("HelpContents");
        const QFontMetrics metrics(contents->font());
        for (QTreeWidgetItemIterator item(contents); *item != nullptr; ++item)
        {
            const QRect row = contents->visualItemRect(*item);
            QVERIFY2(row.left() + metrics.horizontalAdvance((*item)->text(0)) <= contents->viewport()->width(),
                     qPrintable((*item)->text(0)));
        }
        viewer->close();
    }

    // The window, frame included, lies within the screen's available area at
    // any scale, and the page wraps its text to the width it has.
    void TheViewerFitsTheScreen()
    {
        RHelpViewer* viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        const QRect available = viewer->screen()->availableGeometry();
        QTRY_VERIFY2(available.contains(viewer->frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                    .arg(viewer->frameGeometry().x()).arg(viewer->frameGeometry().y())
                                    .arg(viewer->frameGeometry().width()).arg(viewer->frameGeometry().height())
                                    .arg(available.width()).arg(available.height())));
        // And to the device pixel, however the scale rounds.
        if (OnX11())
        {
            const QRect frame = WindowFrameOnDesktop(*viewer);
            const std::vector<RMonitor> monitors = DesktopMonitors();
            QVERIFY(!monitors.empty());
            const RMonitor& monitor = monitors[static_cast<std::size_t>(MonitorAt(monitors, frame.x(), frame.y()))];
            QVERIFY2(frame.right() < monitor.Left + monitor.Width && frame.bottom() < monitor.Top + monitor.Height,
                     qPrintable(QStringLiteral("%1x%2 at %3,%4").arg(frame.width()).arg(frame.height())
                                    .arg(frame.x()).arg(frame.y())));
        }
        auto* page = viewer->findChild<QTextBrowser*>("HelpPage");
        QCOMPARE(page->horizontalScrollBar()->maximum(), 0);
        viewer->close();
    }

    // Closed by the keys that close the desktop's other help windows.
    void EscapeAndCtrlWCloseTheViewer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }
    void EscapeAndCtrlWCloseTheViewer()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        if (!OnX11())
            QSKIP("a headless compositor without a keyboard sends no keys to a window");
        QPointer<RHelpViewer> viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer->findChild<QTextBrowser*>("HelpPage"), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(viewer.isNull() || !viewer->isVisible());
    }

    void AFileThatCannotBeReadSaysSo()
    {
        TestFolder folder;
        std::ofstream(folder.Path() / "empty.chm");
        RHelpViewer* viewer =
            RHelpViewer::Display(nullptr, RString((folder.Path() / "empty.chm").string().c_str()) + "::/Overview.htm",
                                 Library);
        QVERIFY(viewer->findChild<QTextBrowser*>("HelpPage")->toPlainText().contains("could not be found or read"));
        QVERIFY(!viewer->findChild<QTreeWidget*>("HelpContents")->isVisibleTo(viewer));
        viewer->close();
    }

    // A page of a damaged or hostile help file must not make the desktop
    // run what a link names: only web and mail links leave the viewer.
    void HelpPagesHandOnlyWebAndMailLinksToTheDesktop()
    {
        TestFolder folder;
        const auto record = RecordingOpener(folder);
        RHelpViewer* viewer = RHelpViewer::Display(nullptr, "Tintwell.chm::/Overview.htm", Library);
        auto* page = viewer->findChild<QTextBrowser*>("HelpPage");
        for (const char* link : {"file:///usr/share/applications/x.desktop", "FILE:/bin/sh", "smb://host/share",
                                 "javascript:alert(1)", "https://www.quenlar.example/", "MAILTO:support@quenlar.example"})
            emit page->anchorClicked(QUrl(QString::fromLatin1(link)));
        QTRY_COMPARE(Lines(record).size(), std::size_t{2});
        QTest::qWait(200);
        // Each link starts an opener of its own, and either may write first.
        std::vector<std::string> opened = Lines(record);
        std::sort(opened.begin(), opened.end());
        QCOMPARE(opened, (std::vector<std::string>{"https://www.quenlar.example/", "mailto:support@quenlar.example"}));
        viewer->close();
    }

    // The user clicks Help: the topic shows in a window of another process,
    // kept above the always-on-top main window; a second click reuses it.
    void HelpOpensInAViewerOfItsOwnAboveTheMainWindow()
    {
        TestFolder folder;
        Program program;
        program.ClickHelp();
        QTRY_VERIFY(program.Viewer().processId() > 0);
        const qint64 process = program.Viewer().processId();
        QVERIFY(process != QCoreApplication::applicationPid());
        QVERIFY(OverviewShownBy(process));
        if (OnX11())
        {
            X11Desktop desktop;
            QVERIFY(desktop.WindowManagerRunning());
            const std::uint32_t viewer = desktop.ClientTitled(Overview);
            const auto main = static_cast<std::uint32_t>(program.Form->winId());
            QCOMPARE(desktop.TransientFor(viewer), main);
            QTRY_VERIFY(desktop.StackingIndex(viewer) > desktop.StackingIndex(main));
        }
        program.ClickHelp();
        QTest::qWait(500);
        QCOMPARE(program.Viewer().processId(), process);
    }

    // The viewer goes when the program lets it go (or ends), not later.
    void TheViewerEndsWithTheRequests()
    {
        QProcess viewer;
        viewer.setProcessChannelMode(QProcess::ForwardedChannels);
        viewer.start(QStringLiteral(TINTWELL_PROGRAM),
                     {QString::fromLatin1(HelpViewerOption), QString::fromLatin1(DefaultHtmlHelpLibraryFile())});
        QVERIFY(viewer.waitForStarted());
        viewer.write(FormatHelpViewerRequest({0, "Tintwell.chm::/Overview.htm", {}}));
        QVERIFY(OverviewShownBy(viewer.processId()));
        viewer.closeWriteChannel();
        QVERIFY(viewer.waitForFinished(5000));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewer.exitCode(), 0);
    }

    // A damaged help file crashes the engine reading it. Only the viewer
    // goes: the colour edited before stays, is saved at close, and Help
    // works again with a sound file.
    void ADamagedHelpFileTakesDownOnlyTheViewer()
    {
        TestFolder folder;
        const auto damaged = DamagedHelpFile(folder);
        {
            Program program;
            auto* red = program.Form->findChild<QLineEdit*>("RedEdit");
            red->setText("200");
            SetHelpFile(RString(damaged.string().c_str()));
            program.ClickHelp();
            QTRY_VERIFY_WITH_TIMEOUT(program.Viewer().processId() == 0, 20000);
            QVERIFY(program.Viewer().exitStatus() == QProcess::CrashExit || program.Viewer().exitCode() != 0);
            QVERIFY(program.Form->isVisible());
            QCOMPARE(red->text(), QStringLiteral("200"));

            SetHelpFile("Tintwell.chm");
            program.ClickHelp();
            QTRY_VERIFY(program.Viewer().processId() > 0);
            QVERIFY(OverviewShownBy(program.Viewer().processId()));
            program.Form->close();
        }
        Program again;
        QCOMPARE(again.Form->findChild<QLineEdit*>("RedEdit")->text(), QStringLiteral("200"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"

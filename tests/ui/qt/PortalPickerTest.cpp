// "Select Color with Mouse" as a Wayland client: the desktop's own picker,
// reached through the desktop portal, takes the pixel. A stand-in portal on
// a private session bus answers as each case needs; the window must apply
// what was picked, keep its select buttons disabled while the request is
// open, enable them however it ends, and explain once when nothing can be
// picked.
#include "ui/qt/RPortalColorPicker.h"
#include "settings/RAppReg.h"
#include "colour/ColorNotation.h"
#include "ui/qt/TOutputPanes.h"
#include "ui/WindowTexts.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class PortalPickerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<TTWMainForm> Form;
    std::unique_ptr<QProcess> Portal;
    // Every message box the window shows, closed as soon as it is seen,
    // with whether the buttons were enabled by then.
    QStringList Explanations;
    bool ButtonsEnabledWithBox = false;
    QTimer BoxCloser;

    QPushButton* Button(const char* name) const { return Form->findChild<QPushButton*>(QString::fromLatin1(name)); }
    bool ButtonsEnabled() const
    {
        return Button("MouseSelectSBtn")->isEnabled() && Button("ColorDlgSelectSBtn")->isEnabled();
    }
    bool ButtonsDisabled() const
    {
        return !Button("MouseSelectSBtn")->isEnabled() && !Button("ColorDlgSelectSBtn")->isEnabled();
    }
    QString Rgb() const
    {
        const auto text = [this](const char* name) { return Form->findChild<QLineEdit*>(name)->text(); };
        return text("RedEdit") + "," + text("GrnEdit") + "," + text("BluEdit");
    }

    void StartPortal(const QStringList& how)
    {
        Portal = std::make_unique<QProcess>();
        Portal->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Portal->start(QStringLiteral(TINTWELL_FAKE_PORTAL), how);
        QVERIFY(Portal->waitForStarted());
        QVERIFY(Portal->waitForReadyRead(10000));
        QCOMPARE(Portal->readLine().trimmed(), QByteArray("ready"));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        connect(&BoxCloser, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            {
                Explanations.append(box->text());
                ButtonsEnabledWithBox = ButtonsEnabled();
                box->accept();
            }
        });
        BoxCloser.start(20);
    }

    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        Explanations.clear();
        ButtonsEnabledWithBox = false;
    }

    void cleanup()
    {
        Form.reset();
        if (Portal)
        {
            Portal->kill();
            Portal->waitForFinished();
        }
        Portal.reset();
        Folder.reset();
    }

    void EveryEndAppliesWhatWasPickedAndEnablesTheButtons_data()
    {
        QTest::addColumn<QStringList>("how");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("explanation");
        const QString unchanged = QStringLiteral("15,0,0");
        QTest::newRow("picked") << QStringList{"answer", "1", "0.5", "0.2"} << "255,128,51" << QString();
        QTest::newRow("picked, out of range") << QStringList{"answer", "-0.5", "7", "nan"} << "0,255,0" << QString();
        QTest::newRow("cancelled") << QStringList{"cancel"} << unchanged << QString();
        QTest::newRow("failed") << QStringList{"fail"} << unchanged << "could not pick a colour";
        QTest::newRow("no colour in the answer") << QStringList{"garbage"} << unchanged << "gave no colour";
        QTest::newRow("refused") << QStringList{"refuse"} << unchanged << "refused to pick a colour";
        QTest::newRow("never answers") << QStringList{"silent"} << unchanged << "did not answer";
        QTest::newRow("goes away") << QStringList{"vanish"} << unchanged << "stopped before a colour was picked";
    }

    void EveryEndAppliesWhatWasPickedAndEnablesTheButtons()
    {
        QFETCH(QStringList, how);
        QFETCH(QString, rgb);
        QFETCH(QString, explanation);
        StartPortal(how);
        Form->findChild<RPortalColorPicker*>()->SetReplyTimeout(1000);
        QCOMPARE(Rgb(), QStringLiteral("15,0,0"));
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QVERIFY(ButtonsDisabled()); // while the request is open
        QTRY_VERIFY_WITH_TIMEOUT(ButtonsEnabled(), 5000);
        QTest::qWait(100);
        QCOMPARE(Rgb(), rgb);
        QCOMPARE(Explanations.size(), explanation.isEmpty() ? 0 : 1);
        if (!explanation.isEmpty())
        {
            QVERIFY2(Explanations[0].contains(explanation), qPrintable(Explanations[0]));
            QVERIFY(ButtonsEnabledWithBox);
        }
        QVERIFY(!Form->IsMouseSelecting());
    }

    // A pick from the command line on Wayland: the desktop's answer as a
    // literal in the saved notation, cancelled, or why it cannot pick; no
    // window and no message box either way.
    void OnePickWithoutTheWindow_data()
    {
        QTest::addColumn<QStringList>("how");
        QTest::addColumn<QString>("printed");
        QTest::newRow("picked") << QStringList{"answer", "1", "0.5", "0.2"} << "#FF8033";
        QTest::newRow("cancelled") << QStringList{"cancel"} << "cancelled";
        QTest::newRow("failed") << QStringList{"fail"}
                                << QString("cannot: ") + QString::fromUtf8(WindowTexts::PickerFailed);
    }
    void OnePickWithoutTheWindow()
    {
        QFETCH(QStringList, how);
        QFETCH(QString, printed);
        Form.reset();
        StartPortal(how);
        TTWMainForm picker;
        std::optional<QString> answered;
        picker.PickOnce([&](const RPickAnswer& answer)
        {
            if (answer.Outcome == RPickOutcome::Picked)
                answered = QString::fromStdString(LiteralOf(answer.Picked.Color, answer.Picked.HexFormat));
            else
                answered = answer.Outcome == RPickOutcome::Cancelled ? QString("cancelled")
                                                                    : "cannot: " + QString::fromStdString(answer.Reason);
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered.has_value(), 5000);
        QCOMPARE(*answered, printed);
        QVERIFY(!picker.isVisible());
        QVERIFY(Explanations.isEmpty());
    }

    // A Wayland client cannot know its window's position: closing there
    // keeps the placement an X11 run saved, and saves colour and notation.
    void AWaylandRunLeavesTheSavedPlacement()
    {
        Form.reset();
        {
            RAppReg store(MainFormTexts::SettingsSubfolder, false);
            store.SetSection("Window");
            for (const auto& [name, value] : {std::pair{"Left", 321}, {"Top", 123}, {"Width", 360}, {"Height", 290}, {"State", 0}})
                store.WriteInt(name, value);
        }
        {
            TTWMainForm form;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.findChild<QLineEdit*>("RedEdit")->setText("200");
            form.close();
        }
        RAppReg store(MainFormTexts::SettingsSubfolder, false);
        store.SetSection("Window");
        QCOMPARE(store.ReadInt("Left", -1), 321);
        QCOMPARE(store.ReadInt("Top", -1), 123);
        store.SetSection("Options");
        QCOMPARE(store.ReadInt("LastColor", -1), 200);
    }

    void WithoutAPortalTheUserIsToldWhatIsMissing()
    {
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(RPortalColorPicker::Service));
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QTRY_COMPARE(Explanations.size(), 1);
        QVERIFY2(Explanations[0].contains("desktop portal (xdg-desktop-portal)"), qPrintable(Explanations[0]));
        QVERIFY(!Explanations[0].contains('\n'));
        QVERIFY(ButtonsEnabled());
        QCOMPARE(Rgb(), QStringLiteral("15,0,0"));
        // A second try tells again rather than doing nothing.
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QTRY_COMPARE(Explanations.size(), 2);
        QVERIFY(ButtonsEnabled());
    }

    // The portal's copy of the desktop, where the compositor offers no copy
    // of its own (weston): shown on the output, every pixel its own.
    void ThePortalsCopyIsSampledWithTheLoupe()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("desktop.png"));
        QImage desktop(1280, 800, QImage::Format_RGB32);
        for (int y = 0; y < desktop.height(); ++y)
            for (int x = 0; x < desktop.width(); ++x)
                desktop.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | ((y >> 8) << 4)));
        QVERIFY(desktop.save(file));
        StartPortal({"--screenshot", "picture", file, "answer", "0", "0", "1"});
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QTRY_VERIFY(Form->IsMouseSelecting());
        QWidget* pane = Form->OutputPanes()->Shown().at(0).get();
        QVERIFY(QTest::qWaitForWindowExposed(pane));
        QTest::mouseMove(pane->windowHandle(), QPoint(300, 517));
        QTRY_COMPARE(Rgb(), QStringLiteral("44,5,33")); // 300 = 0x12C, 517 = 0x205
        QVERIFY(!Form->OutputPanes()->Shown().at(0)->Loupe().Area.isEmpty());
        QTest::mouseClick(pane->windowHandle(), Qt::LeftButton, {}, QPoint(1279, 799));
        QTRY_VERIFY(!Form->IsMouseSelecting());
        QCOMPARE(Rgb(), QStringLiteral("255,31,52"));
        QVERIFY(Explanations.isEmpty());
    }

    // Refusing the desktop's permission cancels the pick; a copy that
    // cannot be had, or that does not fit the outputs, leaves the
    // desktop's own picker to take the colour; a portal that never answers
    // is given up in a bounded time.
    void WithoutTheCopyTheDesktopsPickerTakesIt_data()
    {
        QTest::addColumn<QStringList>("screenshot");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("refused by the user") << QStringList{"cancel"} << "15,0,0";
        QTest::newRow("failed") << QStringList{"fail"} << "255,128,51";
        QTest::newRow("never answered") << QStringList{"silent"} << "255,128,51";
        QTest::newRow("a picture of another desktop") << QStringList{"picture", "wrong-size"} << "255,128,51";
        QTest::newRow("no picture at all") << QStringList{"picture", "missing"} << "255,128,51";
    }

    void WithoutTheCopyTheDesktopsPickerTakesIt()
    {
        QFETCH(QStringList, screenshot);
        QFETCH(QString, rgb);
        QTemporaryDir folder;
        if (screenshot.value(1) == QLatin1String("wrong-size"))
        {
            QImage other(640, 480, QImage::Format_RGB32);
            other.fill(Qt::red);
            QVERIFY(other.save(folder.filePath(QStringLiteral("wrong-size.png"))));
        }
        if (screenshot.size() > 1)
            screenshot[1] = folder.filePath(screenshot[1] + QStringLiteral(".png"));
        StartPortal(QStringList{"--screenshot"} + screenshot + QStringList{"answer", "1", "0.5", "0.2"});
        auto* portal = Form->findChild<RPortalColorPicker*>();
        portal->SetReplyTimeout(500);
        portal->SetAnswerTimeout(500);
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(ButtonsEnabled(), 5000);
        QCOMPARE(Rgb(), rgb);
        QVERIFY(!Form->IsMouseSelecting());
        QVERIFY(Explanations.isEmpty());
    }

    void ClosingWhileThePickerIsOpenLosesNothing()
    {
        StartPortal({"answer", "0", "0", "1"});
        QTest::mouseClick(Button("MouseSelectSBtn"), Qt::LeftButton);
        QVERIFY(ButtonsDisabled());
        Form->close();
        Form.reset(); // the answer comes to no window
        QTest::qWait(400);
        QVERIFY(Explanations.isEmpty());
    }
};

QTEST_MAIN(PortalPickerTest)
#include "PortalPickerTest.moc"

// The real main window under an X server: what a user sees and does.
#include "colour/Contrast.h"
#include "ui/AccessibleNames.h"
#include "ui/FormLayout.h"
#include "ui/LayoutScale.h"
#include "ui/RSwatchRenderer.h"
#include "ui/qt/QtColor.h"
#include "ui/qt/TTWMainForm.h"

#include "support/RecordingOpener.h"
#include "support/TestFolder.h"

#include "ui/qt/TQLAboutDlg.h"

#include <QAccessible>
#include <QColorDialog>
#include <QLabel>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <algorithm>
#include <memory>

namespace
{

class Running
{
public:
    TestFolder& Folder;
    std::unique_ptr<TTWMainForm> Form = std::make_unique<TTWMainForm>();

    explicit Running(TestFolder& folder) : Folder(folder)
    {
        Form->show();
        QVERIFY2(QTest::qWaitForWindowExposed(Form.get()), "the window did not show");
        Form->activateWindow();
        // Without a window manager activation may not be reported; focus still works.
        static_cast<void>(QTest::qWaitForWindowActive(Form.get(), 1000));
    }

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        T* widget = Form->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    QString Text(const char* edit) const { return Find<QLineEdit>(edit)->text(); }
    QString Rgb() const { return Text("RedEdit") + "," + Text("GrnEdit") + "," + Text("BluEdit"); }
    QString Hsl() const { return Text("HueEdit") + "," + Text("SatEdit") + "," + Text("LumEdit"); }

    void Type(const char* edit, const QString& text)
    {
        QLineEdit* box = Find<QLineEdit>(edit);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // A choice in a list, as the user makes it.
    void Choose(const char* list, int index)
    {
        QComboBox* combo = Find<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Close() { QTest::mouseClick(Find<QPushButton>("CloseBtn"), Qt::LeftButton); }
    // Answers the colour dialog once it is open.
    void AnswerColorDialog(std::optional<QColor> answer)
    {
        QTimer::singleShot(50, [answer]
        {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->objectName(), QStringLiteral("TheColorDialog"));
            if (answer)
            {
                dialog->setCurrentColor(*answer);
                dialog->accept();
            }
            else
                dialog->reject();
        });
    }
};

QColor TextColour(QWidget* label)
{
    return label->palette().color(QPalette::WindowText);
}

bool IsRed(const QColor& colour)
{
    return colour.red() >= 150 && colour.green() == 0 && colour.blue() == 0;
}

// A dark theme's palette, as desktops' dark themes give it.
QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    for (auto [role, colour] : {std::pair{QPalette::Window, window}, {QPalette::WindowText, text},
                                {QPalette::Base, base}, {QPalette::AlternateBase, window}, {QPalette::Text, text},
                                {QPalette::Button, window}, {QPalette::ButtonText, text},
                                {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)}, {QPalette::HighlightedText, text},
                                {QPalette::Link, QColor(0x2a, 0x82, 0xda)}, {QPalette::ToolTipBase, base},
                                {QPalette::ToolTipText, text}})
        dark.setColor(role, colour);
    return dark;
}

// The colour widget's text is drawn on: its own where it paints its
// background, else that of the nearest container that does.
QColor BackgroundOf(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
        qobject_cast<const QPushButton*>(widget))
        return widget->palette().color(widget->backgroundRole());
    for (const QWidget* at = widget->parentWidget(); at != nullptr; at = at->parentWidget())
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    return widget->palette().color(QPalette::Window);
}

// Every text shown in window, with its colour and background.
std::vector<std::tuple<QString, QColor, QColor>> TextsOf(const QWidget* window)
{
    std::vector<std::tuple<QString, QColor, QColor>> texts;
    for (const QWidget* widget : window->findChildren<QWidget*>())
    {
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(widget))
            text = group->title();
        else if (auto* button = qobject_cast<const QPushButton*>(widget))
            text = button->text();
        else if (auto* edit = qobject_cast<const QLineEdit*>(widget))
            text = edit->text();
        else if (auto* list = qobject_cast<const QComboBox*>(widget))
            text = list->currentText();
        if (!text.isEmpty() && widget->isVisibleTo(window))
            texts.emplace_back(widget->objectName() + " \"" + text + "\"", widget->palette().color(widget->foregroundRole()),
                               BackgroundOf(widget));
    }
    return texts;
}

// Pictures of windows to look at, where TINTWELL_SHOTS names a folder.
void SaveShot(QWidget* window, const char* name)
{
    const QString folder = qEnvironmentVariable("TINTWELL_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(folder + '/' + QString::fromLatin1(name) + ".png");
}

void ExpectReadable(const QWidget* window)
{
    for (const auto& [name, text, background] : TextsOf(window))
        QVERIFY2(ContrastRatio(FromQColor(text), FromQColor(background)) >= 4.5,
                 qPrintable(name + " " + text.name() + " on " + background.name()));
}

std::vector<unsigned char> SettingsBytes(const TestFolder& folder)
{
    return TestFolder::ReadBytes(folder.ConfigHome() / "Quenlar/Tintwell/main_form_tests.apr");
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    // A screen reader hears a name for every control the Tab key visits and
    // for the images, the swatch's contrast, and the plane's and bar's values.
    void ScreenReadersHearNamesAndValues()
    {
        TestFolder folder;
        Running run(folder);
        const auto said = [&run](const char* control, QAccessible::Text text)
        {
            QWidget* widget = run.Form->findChild<QWidget*>(QString::fromLatin1(control));
            QAccessibleInterface* face = widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
            return face != nullptr ? face->text(text) : QStringLiteral("(none)");
        };
        // A list is named by its value on Linux, and by its label's relation.
        for (const RAccessibleName& named : MainFormAccessibleNames)
            if (!run.Form->findChild<QComboBox*>(QString::fromLatin1(named.Control)))
                QCOMPARE(said(named.Control, QAccessible::Name), QString::fromLatin1(named.Name));
        QAccessibleInterface* names = QAccessible::queryAccessibleInterface(run.Find("ColorNameCB"));
        const auto labels = names->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Name:"));
        for (const RControlLayout* visited : TabSequence(MainFormLayout()))
            QVERIFY2(!said(visited->Name, QAccessible::Name).isEmpty(), visited->Name);
        QCOMPARE(said("RedEditUp", QAccessible::Name), QStringLiteral("Increase Red"));
        QCOMPARE(said("LumEditDown", QAccessible::Name), QStringLiteral("Decrease Luminance"));
        run.Type("RedEdit", "255");
        run.Type("GrnEdit", "0");
        run.Type("BluEdit", "0");
        // What the boxes show, read out for the images.
        QCOMPARE(said("HueSatImage", QAccessible::Description),
                 "hue " + run.Text("HueEdit") + ", saturation " + run.Text("SatEdit"));
        QCOMPARE(said("LumImage", QAccessible::Description), "luminance " + run.Text("LumEdit"));
        QVERIFY(said("TheShape", QAccessible::Description).startsWith("Contrast with white: 3.99:1 (AA large text / UI)"));
    }

    void FirstRunShowsTheStandInColour()
    {
        TestFolder folder;
        Running run(folder);
        QCOMPARE(run.Rgb(), QStringLiteral("15,0,0"));
        QCOMPARE(run.Find<QComboBox>("ColorNameCB")->currentIndex(), -1);
        QCOMPARE(run.Find<QComboBox>("ColorNameCB")->count(), 141);
        QCOMPARE(run.Find<QComboBox>("ColorNameCB")->itemText(140), QStringLiteral("Yellow-green"));
        QCOMPARE(run.Find<QComboBox>("HexFormatCB")->currentText(), QStringLiteral("HTML"));
        QCOMPARE(run.Text("RGBHexEdit"), QStringLiteral("#0F0000"));
        QCOMPARE(QApplication::focusWidget(), run.Find("RedEdit"));
    }

    void TheNextRunRestoresColourNotationAndPosition()
    {
        TestFolder folder;
        {
            Running run(folder);
            run.Type("GrnEdit", "128");
            run.Choose("HexFormatCB", 3);
            run.Form->move(123, 77);
            QTest::qWait(50);
            run.Close();
            QVERIFY(!run.Form->isVisible());
        }
        Running again(folder);
        QCOMPARE(again.Rgb(), QStringLiteral("15,128,0"));
        QCOMPARE(again.Find<QComboBox>("HexFormatCB")->currentText(), QStringLiteral("VB"));
        QCOMPARE(again.Text("RGBHexEdit"), QStringLiteral("&H0000800F&"));
        QCOMPARE(again.Form->frameGeometry().topLeft(), QPoint(123, 77));
    }

    void EscapeClosesAndSavesExactlyLikeClose()
    {
        // Each run in a settings folder of its own, one after the other.
        auto settingsAfter = [](bool escape)
        {
            TestFolder folder;
            {
                Running run(folder);
                run.Type("BluEdit", "200");
                run.Choose("HexFormatCB", 1);
                if (escape)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                else
                    run.Close();
                if (run.Form->isVisible())
                    qFatal("the window stayed open");
            }
            return SettingsBytes(folder);
        };
        const auto byEscape = settingsAfter(true);
        QVERIFY(!byEscape.empty());
        QVERIFY(byEscape == settingsAfter(false));
    }

    void TypingSpinningAndChoosing()
    {
        TestFolder folder;
        Running run(folder);
        run.Type("RedEdit", "300"); // taken modulo 256, the text stays
        QCOMPARE(run.Text("RedEdit"), QStringLiteral("300"));
        QCOMPARE(run.Text("RGBHexEdit"), QStringLiteral("#2C0000"));
        run.Type("GrnEdit", "12ab");
        QCOMPARE(run.Text("RGBHexEdit"), QStringLiteral("#2C0C00"));

        QTest::mouseClick(run.Find<QToolButton>("BluEditUp"), Qt::LeftButton);
        QCOMPARE(run.Text("BluEdit"), QStringLiteral("1"));
        run.Find("BluEdit")->setFocus();
        QTest::keyClick(run.Find("BluEdit"), Qt::Key_Up);
        QCOMPARE(run.Text("RGBHexEdit"), QStringLiteral("#2C0C02"));

        run.Choose("ColorNameCB", 100); // "Orange"
        QCOMPARE(run.Rgb(), QStringLiteral("255,165,0"));
        QCOMPARE(run.Hsl(), QStringLiteral("25,239,119"));
        run.Find("HueEdit")->setFocus();
        QTest::keyClick(run.Find("HueEdit"), Qt::Key_Up);
        QCOMPARE(run.Text("HueEdit"), QStringLiteral("26"));
        QCOMPARE(run.Rgb(), QStringLiteral("255,166,0"));

        run.Choose("ColorNameCB", 21); // "Cyan" shows as "Aqua"
        QCOMPARE(run.Find<QComboBox>("ColorNameCB")->currentText(), QStringLiteral("Aqua"));
        run.Choose("HexFormatCB", 1);
        QCOMPARE(run.Text("RGBHexEdit"), QStringLiteral("0x00FFFF00"));
    }

    void TheColourDialog()
    {
        TestFolder folder;
        Running run(folder);
        run.AnswerColorDialog(QColor(1, 2, 3));
        QTest::mouseClick(run.Find<QPushButton>("ColorDlgSelectSBtn"), Qt::LeftButton);
        QCOMPARE(run.Rgb(), QStringLiteral("1,2,3"));
        run.AnswerColorDialog(std::nullopt);
        QTest::mouseClick(run.Find<QPushButton>("ColorDlgSelectSBtn"), Qt::LeftButton);
        QCOMPARE(run.Rgb(), QStringLiteral("1,2,3"));
    }

    void ClicksInThePlaneAndTheBar()
    {
        TestFolder folder;
        Running run(folder);
        run.Type("RedEdit", "128");
        run.Type("GrnEdit", "128");
        run.Type("BluEdit", "128");
        QWidget* plane = run.Find("HueSatImage");
        QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(41, 0));
        QCOMPARE(run.Rgb(), QStringLiteral("255,1,1"));
        QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(41, 0));
        QCOMPARE(run.Rgb(), QStringLiteral("1,255,250"));
        // Pressed over green, released left of the plane: the release counts,
        // and hue 0 (from -2) is a red, which reads back as hue 239.
        QTest::mousePress(plane, Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseRelease(plane, Qt::LeftButton, {}, QPoint(-1, 40));
        QCOMPARE(run.Text("HueEdit"), QStringLiteral("239"));
        QTest::mouseClick(run.Find("LumImage"), Qt::LeftButton, {}, QPoint(5, 0));
        QCOMPARE(run.Rgb(), QStringLiteral("255,255,255"));
    }

    void TheLogoOpensTheProductPage()
    {
        TestFolder folder;
        const auto record = RecordingOpener(folder);
        Running run(folder);
        QCOMPARE(run.Find("SidebarImage")->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(run.Find("SidebarImage"), Qt::LeftButton, {}, QPoint(10, 50));
        QTRY_VERIFY(!Lines(record).empty());
        QCOMPARE(QString::fromStdString(Lines(record)[0]), QString::fromLatin1(MainFormTexts::ProductPage));
    }

    // The box reads the program's version afresh at every opening; its links
    // turn red once followed (a red dark enough to read on the light window),
    // and are blue again in the next box.
    void TheAboutBox()
    {
        TestFolder folder;
        const auto record = RecordingOpener(folder);
        Running run(folder);
        run.Form->move(300, 200); // room all round for the wider box
        QTest::qWait(50);
        for (int opening = 0; opening < 2; ++opening)
        {
            QTimer::singleShot(100, [&]
            {
                auto* box = qobject_cast<TQLAboutDlg*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                auto label = [box](const char* name) { return box->findChild<QLabel*>(name); };
                QCOMPARE(box->size(), QSize(397, 188));
                QVERIFY(!box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
                // Centred to the pixel: an odd difference in size has no middle.
                QVERIFY((box->frameGeometry().center() - run.Form->frameGeometry().center()).manhattanLength() <= 2);
                QCOMPARE(label("RightsLabel")->text(), QStringLiteral("All rights reserved."));
                QCOMPARE(label("QLFormatToolsLabel")->text(), QString());
                QCOMPARE(label("WebSupportLabel")->text(), QStringLiteral("Visit Quenlar Online!"));
                QCOMPARE(label("EmailSupportLabel")->text(), QStringLiteral("Send Quenlar an email!"));
                QCOMPARE(TextColour(label("WebSupportLabel")), QColor(Qt::blue));
                QTest::mouseClick(label("WebSupportLabel"), Qt::LeftButton);
                QTest::mouseClick(label("EmailSupportLabel"), Qt::LeftButton);
                QVERIFY(IsRed(TextColour(label("WebSupportLabel"))));
                QVERIFY(IsRed(TextColour(label("EmailSupportLabel"))));
                QTest::keyClick(box, Qt::Key_Escape); // no cancel button: stays open
                QVERIFY(box->isVisible());
                QCOMPARE(QApplication::focusWidget(), box->findChild<QPushButton*>("OkBtn"));
                QTest::mouseClick(box->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
            });
            QTest::mouseClick(run.Find<QPushButton>("AboutBtn"), Qt::LeftButton);
        }
        // Each opener runs on its own, so two started at once may record in
        // either order.
        QTRY_COMPARE(Lines(record).size(), std::size_t{4});
        std::vector<std::string> opened = Lines(record);
        std::sort(opened.begin(), opened.end());
        std::vector<std::string> expected{MainFormTexts::SupportMail, MainFormTexts::SupportMail, MainFormTexts::WebSite,
                                          MainFormTexts::WebSite};
        std::sort(expected.begin(), expected.end());
        QVERIFY(opened == expected);
    }

    // Opened from a main window on the second monitor, against its edge away
    // from the primary, the box stays whole on that monitor (run on two).
    void TheAboutBoxStaysOnTheMonitorOfItsOwner()
    {
        if (QGuiApplication::screens().size() < 2)
            QSKIP("one monitor here");
        TestFolder folder;
        Running run(folder);
        const QScreen* primary = QGuiApplication::primaryScreen();
        const QScreen* second = QGuiApplication::screens().at(QGuiApplication::screens().at(0) == primary ? 1 : 0);
        const QRect work = second->availableGeometry();
        const bool leftOfPrimary = work.left() < primary->geometry().left();
        const int left = leftOfPrimary ? work.left() : work.right() + 1 - run.Form->frameGeometry().width();
        run.Form->move(left, work.top() + 40);
        QTRY_COMPARE(run.Form->screen(), second);
        bool checked = false;
        QTimer::singleShot(100, [&]
        {
            auto* box = qobject_cast<TQLAboutDlg*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            QTRY_VERIFY(work.contains(box->frameGeometry()));
            checked = true;
            QTest::mouseClick(box->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(run.Find<QPushButton>("AboutBtn"), Qt::LeftButton);
        QVERIFY(checked);
    }

    void TheAboutBoxTexts()
    {
        TestFolder folder;
        Running run(folder);
        QTimer::singleShot(100, []
        {
            auto* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QStringLiteral("About Quenlar Tintwell"));
            QCOMPARE(box->findChild<QLabel*>("AppNameLabel")->text(), QStringLiteral("Quenlar Tintwell"));
            QCOMPARE(box->findChild<QLabel*>("VersionLabel")->text(), QStringLiteral("Version 2004.5.1.0"));
            QCOMPARE(box->findChild<QLabel*>("CopyrightLabel")->text(),
                     QStringLiteral("Copyright \u00A9 2004 Quenlar Corp"));
            QVERIFY(box->findChild<QLabel*>("IconImage")->isVisible());
            box->close();
        });
        // This test program carries the program's version block too.
        QTest::mouseClick(run.Find<QPushButton>("AboutBtn"), Qt::LeftButton);
        QTimer::singleShot(100, []
        {
            auto* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            QCOMPARE(box->findChild<QLabel*>("VersionLabel")->text(), QStringLiteral("Version "));
            QVERIFY(!box->findChild<QLabel*>("IconImage")->isVisible());
            box->close();
        });
        RunAboutDialog(run.Form.get(), QIcon(), "", "", "", "", "", "", "");
    }

    // Every text reads (at least 4.5:1 against its background), and the
    // side bar's logo shows, in a light and in a dark theme.
    void TextsReadInLightAndDarkThemes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void TextsReadInLightAndDarkThemes()
    {
        QFETCH(bool, dark);
        const QPalette original = QApplication::palette();
        if (dark)
            QApplication::setPalette(DarkPalette());
        TestFolder folder;
        const auto record = RecordingOpener(folder);
        {
            Running run(folder);
            run.Type("RedEdit", "200");
            ExpectReadable(run.Form.get());
            SaveShot(run.Form.get(), dark ? "main-dark" : "main-light");
            // The logo: many of its pixels stand out from the side bar.
            const QImage logo = run.Find("SidebarImage")->grab().toImage();
            const ColorValue bar = FromQColor(BackgroundOf(run.Find("SidebarImage")));
            int standing = 0;
            for (int y = 0; y < logo.height(); ++y)
                for (int x = 0; x < logo.width(); ++x)
                    standing += ContrastRatio(FromQColor(logo.pixelColor(x, y)), bar) >= 3.0;
            QVERIFY2(standing > 200, qPrintable(QString::number(standing)));
            // The luminance arrow stands out at 3:1 at least, as graphics
            // that carry meaning must: its middle against the face beside it.
            QWidget* arrowImage = run.Find("LumArrowImage");
            const QImage arrow = arrowImage->grab().toImage();
            const ColorValue face = FromQColor(arrowImage->palette().color(QPalette::Button));
            int arrowPixels = 0;
            for (int y = 0; y < arrow.height(); ++y)
                for (int x = 0; x < arrow.width(); ++x)
                    if (FromQColor(arrow.pixelColor(x, y)) != face)
                    {
                        ++arrowPixels;
                        QVERIFY2(ContrastRatio(FromQColor(arrow.pixelColor(x, y)), face) >= 3.0,
                                 qPrintable(arrow.pixelColor(x, y).name() + " on " + QColor(ToQColor(face)).name()));
                    }
            QVERIFY(arrowPixels > 10);

            QTimer::singleShot(100, []
            {
                auto* box = qobject_cast<TQLAboutDlg*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                ExpectReadable(box);
                QTest::mouseClick(box->findChild<QLabel*>("WebSupportLabel"), Qt::LeftButton);
                ExpectReadable(box); // the followed link too
                SaveShot(box, QApplication::palette().color(QPalette::Window).lightness() < 128 ? "about-dark" : "about-light");
                box->accept();
            });
            QTest::mouseClick(run.Find<QPushButton>("AboutBtn"), Qt::LeftButton);
        }
        QApplication::setPalette(original);
    }

    // A change that updates several views paints the window once: forty
    // steps of the red box's up-down control (by the Up key, which steps it
    // as its arrow does; a click adds the arrow's own pressed and released
    // looks), forty window paints.
    void OnePaintPerUpDownStep()
    {
        TestFolder folder;
        Running run(folder);
        QTest::qWait(100);
        QLineEdit* red = run.Find<QLineEdit>("RedEdit");
        red->setFocus();
        const int before = run.Form->PaintPasses();
        for (int step = 0; step < 40; ++step)
        {
            QTest::keyClick(red, Qt::Key_Up);
            QCoreApplication::processEvents();
        }
        QCOMPARE(run.Text("RedEdit"), QStringLiteral("55"));
        const double perStep = (run.Form->PaintPasses() - before) / 40.0;
        QVERIFY2(perStep >= 0.9 && perStep <= 1.1, qPrintable(QString::number(perStep)));
    }

    // A dialog opened by an event that a change lets through runs a loop of
    // its own; the window paints there, it does not wait for the change.
    void ADialogOpenedDuringAChangeLetsTheWindowPaint()
    {
        TestFolder folder;
        Running run(folder);
        int paintsInside = -1;
        QTimer::singleShot(0, [&]
        {
            QEventLoop dialog;
            run.Form->update();
            const int before = run.Form->PaintPasses();
            QTimer::singleShot(300, &dialog, &QEventLoop::quit);
            dialog.exec();
            paintsInside = run.Form->PaintPasses() - before;
        });
        run.Type("RedEdit", "77"); // the change lets the timer through
        QTRY_VERIFY(paintsInside >= 0);
        QVERIFY2(paintsInside >= 1, qPrintable(QString::number(paintsInside)));
    }

    void TabOrderFlagsAndSize()
    {
        TestFolder folder;
        Running run(folder);
        const char* order[] = {"RedEdit", "GrnEdit", "BluEdit", "AboutBtn", "HelpBtn", "CloseBtn",
                               "HexFormatCB", "HueEdit", "SatEdit", "LumEdit", "ColorNameCB", "RedEdit"};
        for (const char* name : order)
        {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const Qt::WindowFlags flags = run.Form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(run.Form->size(), QSize(352, 255));
        QCOMPARE(run.Form->windowTitle(), QStringLiteral("Quenlar Tintwell"));
    }

    // The window grows with the desktop's text as with a display's scale:
    // the window, every control and the About box the layout scaled, every
    // text whole. Run at the toolkit's default font, and with the desktop's
    // font set to 16 and to 20 points (TINTWELL_TEST_DESKTOP_POINTS says so).
    void TheWindowFollowsTheDesktopsFont()
    {
        const double points = qEnvironmentVariable("TINTWELL_TEST_DESKTOP_POINTS", QStringLiteral("9")).toDouble();
        QCOMPARE(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF(), points);
        // 16 points: 21.33 pixels where the layout's text is 12, rounded down.
        const int dpi = points == 16 ? 170 : points == 20 ? 213 : 96;
        const auto px = [dpi](int length) { return ToDevicePixels(length, dpi); };
        TestFolder folder;
        Running run(folder);
        const RFormLayout& layout = MainFormLayout();
        QCOMPARE(run.Form->size(), QSize(px(layout.ClientWidth), px(layout.ClientHeight)));
        for (const RControlLayout& row : layout.Controls)
        {
            const QWidget* control = run.Find(row.Name);
            const QRect expected(px(row.Left), px(row.Top), px(row.Left + row.Width) - px(row.Left),
                                 px(row.Top + row.Height) - px(row.Top));
            QVERIFY2(control->geometry() == expected, row.Name);
            const QString text = row.Kind == RControlKind::Label || row.Kind == RControlKind::Button ||
                                         row.Kind == RControlKind::GroupBox
                                     ? QString::fromLatin1(row.Text)
                                     : QString();
            // Its letters' ink; the layout's own narrowest, "G:", has always
            // let its colon's edge out by a pixel at the default size.
            if (!text.isEmpty())
                QVERIFY2(QFontMetrics(control->font()).boundingRect(text).right() <= control->width(), row.Name);
        }
        // The numbers' boxes show three digits whole.
        const auto* red = run.Find<QLineEdit>("RedEdit");
        QVERIFY(QFontMetrics(red->font()).horizontalAdvance(QStringLiteral("255")) <= red->contentsRect().width());
        SaveShot(run.Form.get(), qPrintable(QStringLiteral("desktop-font-%1pt").arg(points)));
        QTimer::singleShot(100, [&]
        {
            auto* box = qobject_cast<TQLAboutDlg*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            QCOMPARE(box->size(), QSize(px(AboutDlgLayout().ClientWidth), px(AboutDlgLayout().ClientHeight)));
            QTest::mouseClick(box->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(run.Find<QPushButton>("AboutBtn"), Qt::LeftButton);
    }

    // What reaches the screen is the renderer's picture, pixel for pixel,
    // apart from the marker circle drawn over the plane.
    void TheScreenShowsTheRenderersPixels()
    {
        TestFolder folder;
        Running run(folder);
        run.Choose("ColorNameCB", 18); // "Corn flower": circle at (49, 17)
        QTest::qWait(100);
        RColor current(0);
        current.SetRGB(100, 149, 237);
        RSwatchRenderer renderer;
        const RSwatchPicture& picture = renderer.Render(current);
        auto shot = [](QWidget* widget)
        {
            const QPoint at = widget->mapToGlobal(QPoint(0, 0));
            return QGuiApplication::primaryScreen()
                ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
                .toImage();
        };
        const QImage plane = shot(run.Find("HueSatImage"));
        const QImage bar = shot(run.Find("LumImage"));
        int differing = 0;
        for (int y = 0; y < 82; ++y)
            for (int x = 0; x < 82; ++x)
            {
                const bool underCircle = std::abs(x - 49) <= 5 && std::abs(y - 17) <= 5;
                const ColorValue v = picture.PlanePixel(x, y);
                if (!underCircle && plane.pixelColor(x, y) != QColor(RedOfValue(v), GreenOfValue(v), BlueOfValue(v)))
                    ++differing;
            }
        for (int y = 0; y < 82; ++y)
            for (int x = 0; x < 12; ++x)
            {
                const ColorValue v = picture.BarPixel(x, y);
                if (bar.pixelColor(x, y) != QColor(RedOfValue(v), GreenOfValue(v), BlueOfValue(v)))
                    ++differing;
            }
        QCOMPARE(differing, 0);
        QCOMPARE(plane.pixelColor(49, 12), QColor(Qt::black)); // the circle's top
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"

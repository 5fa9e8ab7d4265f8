// The colour out through the desktop's clipboard and back in, with the real
// clipboard of the X server and the keys and clicks a user gives.
#include "colour/RColor.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "settings/UserFormats.h"

#include <fstream>

#include "ui/SwatchMenu.h"

#include <QClipboard>
#include <QColorDialog>
#include <QPushButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

class ClipboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<TTWMainForm> Form;

    template <typename T = QLineEdit>
    T* Find(const char* name) const
    {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }
    QString Rgb() const
    {
        return Find("RedEdit")->text() + "," + Find("GrnEdit")->text() + "," + Find("BluEdit")->text();
    }
    void ChooseNotation(int format)
    {
        auto* list = Find<QComboBox>("HexFormatCB");
        list->setCurrentIndex(format);
        emit list->activated(format);
    }
    // Opens the swatch's menu as a right click does and hands it to use,
    // which must close it.
    void WithSwatchMenu(const std::function<void(QMenu&)>& use)
    {
        QTimer::singleShot(200, [&use]
        {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            use(*menu);
            menu->close();
        });
        QWidget* swatch = Find<QWidget>("TheShape");
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), swatch->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(swatch, &request);
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    // Waits for the clipboard to hold text (the X server carries it).
    static bool ClipboardHolds(const QString& text)
    {
        return QTest::qWaitFor([&text] { return Clipboard() == text; }, 3000);
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        Form->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(Form.get(), 1000));
        Find("RedEdit")->setText("15");
        QGuiApplication::clipboard()->setText(QStringLiteral("nothing yet"));
    }
    void cleanup()
    {
        Form.reset();
        Folder.reset();
    }

    void Notations_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("literal");
        QTest::newRow("HTML") << 0 << "#0F0000";
        QTest::newRow("C++") << 1 << "0x0000000F";
        QTest::newRow("Delphi") << 2 << "$0000000F";
        QTest::newRow("VB") << 3 << "&H0000000F&";
    }
    // A double-click takes the whole literal, punctuation and all; Ctrl+C
    // with nothing selected copies all of it.
    void Notations()
    {
        QFETCH(int, format);
        QFETCH(QString, literal);
        ChooseNotation(format);
        QLineEdit* hex = Find("RGBHexEdit");
        QCOMPARE(hex->text(), literal);
        QTest::mouseDClick(hex, Qt::LeftButton, {}, QPoint(hex->width() / 3, hex->height() / 2));
        QCOMPARE(hex->selectedText(), literal);

        hex->setFocus();
        hex->deselect();
        QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(ClipboardHolds(literal));

        // A selection of part of it copies that part, as anywhere else.
        hex->setSelection(1, 2);
        QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(ClipboardHolds(literal.mid(1, 2)));
    }

    // Ctrl+Shift+C anywhere copies the literal in the current notation.
    void CopyFromAnywhereInTheWindow()
    {
        ChooseNotation(3);
        for (const char* focus : {"RedEdit", "HexFormatCB", "CloseBtn"})
        {
            QGuiApplication::clipboard()->setText(QStringLiteral("before"));
            QWidget* widget = Form->findChild<QWidget*>(QString::fromLatin1(focus));
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY2(ClipboardHolds("&H0000000F&"), focus);
        }
    }

    // Ctrl+Shift+V takes a colour from the clipboard through every view;
    // text that is no colour changes nothing.
    void PasteFromAnywhereInTheWindow()
    {
        QLineEdit* green = Find("GrnEdit");
        green->setFocus();
        for (const auto& [text, rgb] : {std::pair{"rgb(255, 165, 0)", "255,165,0"}, {"  #0000ff ", "0,0,255"},
                                        {"&H0000A5FF&", "255,165,0"}, {"aliceblue", "240,248,255"},
                                        {"hello", "240,248,255"}, {"#12345", "240,248,255"}})
        {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
            QVERIFY(ClipboardHolds(QString::fromLatin1(text)));
            QTest::keyClick(green, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(Rgb(), QString::fromLatin1(rgb));
        }
        QCOMPARE(Find<QComboBox>("ColorNameCB")->currentText(), QStringLiteral("Alice Blue"));
        QCOMPARE(Find("RGBHexEdit")->text(), QStringLiteral("#F0F8FF"));
    }

    // Plain Ctrl+V in a box: a literal is the colour, as the window-wide
    // paste takes it; digits go into the box as ever.
    void PasteIntoABox()
    {
        QLineEdit* red = Find("RedEdit");
        red->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("#FA5005"));
        QVERIFY(ClipboardHolds("#FA5005"));
        QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Rgb(), QStringLiteral("250,80,5"));
        red->setText("1");
        red->end(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("2"));
        QVERIFY(ClipboardHolds("2"));
        QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(red->text(), QStringLiteral("12"));
        QCOMPARE(Rgb(), QStringLiteral("12,80,5"));
    }

    // The swatch's menu: each notation and the style-sheet form, then Paste.
    void TheSwatchMenu()
    {
        QWidget* swatch = Form->findChild<QWidget*>("TheShape");
        QStringList entries;
        auto answer = [&entries](const QString& choose)
        {
            QTimer::singleShot(200, [&entries, choose]
            {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu != nullptr);
                entries.clear();
                QAction* chosen = nullptr;
                for (QAction* action : menu->actions())
                {
                    if (action->isSeparator())
                        continue;
                    entries << action->text();
                    if (action->text().startsWith(choose))
                        chosen = action;
                }
                QVERIFY(chosen != nullptr);
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            });
        };
        answer("Copy rgb(");
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), swatch->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(swatch, &request);
        QVERIFY(ClipboardHolds("rgb(15, 0, 0)"));
        // What the core's menu holds, as it holds it (the VB literal's
        // ampersands doubled, so that the menu shows them).
        QStringList expected;
        for (const RSwatchMenuEntry& entry : SwatchMenuEntries(ColorValueOf(15, 0, 0)))
            expected << QString::fromStdString(entry.Label);
        expected << QString::fromLatin1(CopyAsMenuTitle) << QString::fromLatin1(RecentColorsMenuTitle);
        QCOMPARE(entries, expected);
        QVERIFY(entries.contains("Copy &&H0000000F&&  (&VB)"));
        QCOMPARE(swatch->toolTip(), QStringLiteral("Contrast with white: 20.58:1 (AAA)\n"
                                                   "Contrast with black: 1.02:1 (below AA)\n"
                                                   "Nearest name: black"));

        QGuiApplication::clipboard()->setText(QStringLiteral("$00A5FF"));
        QVERIFY(ClipboardHolds("$00A5FF"));
        answer(PasteMenuText);
        QApplication::sendEvent(swatch, &request);
        QTRY_COMPARE(Rgb(), QStringLiteral("255,165,0"));
    }

    // Copy As: every form and the user's own from the settings folder, read
    // when the menu opens; a broken one greyed with its reason as tooltip.
    void CopyAsTheUsersOwnForm()
    {
        std::string path;
        QVERIFY(UserFormatsPath(path));
        std::ofstream(path) << "Qt = QColor({r}, {g}, {b})\nBad = {nope}\n";
        QWidget* swatch = Form->findChild<QWidget*>("TheShape");
        QStringList entries;
        QString badTip;
        QTimer::singleShot(200, [&]
        {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            auto* copyAs = menu->findChild<QMenu*>("CopyAsMenu");
            QVERIFY(copyAs != nullptr);
            QAction* chosen = nullptr;
            for (QAction* action : copyAs->actions())
            {
                if (action->isSeparator())
                    continue;
                entries << action->text();
                if (action->text().endsWith("\tQt"))
                    chosen = action;
                if (action->text().endsWith("  Bad"))
                {
                    QVERIFY(!action->isEnabled());
                    badTip = action->toolTip();
                }
            }
            QVERIFY(chosen != nullptr);
            chosen->trigger();
            menu->close();
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), swatch->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(swatch, &request);
        QVERIFY(ClipboardHolds("QColor(15, 0, 0)"));
        QStringList expected;
        for (const RCopyAsEntry& entry : CopyAsMenuEntries(ColorValueOf(15, 0, 0), LoadUserFormats()))
            expected << QString::fromStdString(entry.Label);
        QCOMPARE(entries, expected);
        QCOMPARE(badTip, QStringLiteral("line 2, column 8: unknown placeholder 'nope': see the help's list (r, g, b, "
                                        "rf, hex, hsl.h, oklch.l, ...)"));
    }

    // Colours taken by paste, the dialog and the dropper (without a window
    // manager no window is active after the dialog, so pastes come first)
    // come back after a
    // restart in the swatch's menu, newest first, each with an icon of its
    // colour; one chosen there is applied and leads again.
    // Shift+F10 and the menu key open the swatch's menu from any control, an
    // edit box with its own menu included; Escape then closes the menu and
    // never the window.
    void TheSwatchMenuFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Shift+F10 in a box") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "RedEdit";
        QTest::newRow("menu key in a box") << int(Qt::Key_Menu) << int(Qt::NoModifier) << "HueEdit";
        QTest::newRow("Shift+F10 in a list") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "HexFormatCB";
    }
    void TheSwatchMenuFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        auto* focused = Form->findChild<QWidget*>(focus);
        focused->setFocus();
        QString opened;
        QTimer::singleShot(200, [&opened]
        {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            {
                opened = menu->objectName();
                QTest::keyClick(menu, Qt::Key_Escape);
            }
        });
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(opened, QStringLiteral("SwatchMenu"));
        QTest::qWait(100);
        QVERIFY(Form->isVisible());
    }

    // Each entry by its access key: a copy by its form's letter, a form of
    // Copy As by its number.
    void EntriesChosenByTheirAccessKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("copied");
        QTest::newRow("VB") << "v" << "&H0000000F&";
        QTest::newRow("CSS rgb()") << "s" << "rgb(15, 0, 0)";
        QTest::newRow("Copy As, first form") << "a1" << "#0F0000";
    }
    void EntriesChosenByTheirAccessKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, copied);
        QTimer::singleShot(200, [keys]
        {
            for (const QChar key : keys)
            {
                if (QWidget* menu = QApplication::activePopupWidget())
                    QTest::keyClick(menu, key.toLatin1());
                QTest::qWait(100);
            }
            // A key that chose nothing left its menu open.
            while (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        QTest::keyClick(Find("RedEdit"), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(ClipboardHolds(copied));
    }

    // Regression: a pick asked for while the colour dialog was open started
    // behind it, where no click could reach it. The dialog comes forward, and
    // that is all.
    void APickWhileTheColourDialogIsOpenOnlyBringsItForward()
    {
        bool asked = false, sampling = true, dialogShown = false;
        QTimer::singleShot(200, [&]
        {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            Form->ComeForward(true);
            QTest::qWait(100);
            asked = true;
            sampling = Form->IsMouseSelecting();
            dialogShown = dialog->isVisible();
            dialog->reject();
        });
        QTest::mouseClick(Find<QPushButton>("ColorDlgSelectSBtn"), Qt::LeftButton);
        QVERIFY(asked);
        QVERIFY(!sampling);
        QVERIFY(dialogShown);
        QVERIFY(!Form->IsMouseSelecting());
    }

    // The colour dialog has its key as the dropper has Ctrl+Shift+D.
    void TheColourDialogFromTheKeyboard()
    {
        bool opened = false;
        QTimer::singleShot(200, [&opened]
        {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            opened = dialog != nullptr;
            if (dialog != nullptr)
                dialog->reject();
        });
        QTest::keyClick(Find("GrnEdit"), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(opened);
    }

    void RecentColorsSurviveARestart()
    {
        const auto paste = [this](const QString& text)
        {
            QGuiApplication::clipboard()->setText(text);
            QVERIFY(ClipboardHolds(text));
            QTest::keyClick(Form.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        };
        paste("#102030");
        paste("rgb(1, 2, 3)");
        QCOMPARE(Rgb(), QStringLiteral("1,2,3"));
        const auto choose = [this](const QColor& color)
        {
            QTimer::singleShot(200, [color]
            {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                dialog->setCurrentColor(color);
                dialog->accept();
            });
            QTest::mouseClick(Find<QPushButton>("ColorDlgSelectSBtn"), Qt::LeftButton);
        };
        choose(QColor(200, 100, 50));
        QTest::mouseClick(Find<QPushButton>("MouseSelectSBtn"), Qt::LeftButton);
        QTRY_VERIFY(Form->IsMouseSelecting());
        // A key on the sampling window, which holds the keyboard.
        QWidget* sampling = QWidget::keyboardGrabber();
        QVERIFY(sampling != nullptr);
        QTest::keyClick(sampling, Qt::Key_A);
        QTRY_VERIFY(!Form->IsMouseSelecting());
        const ColorValue taken = Form->CurrentColor().GetColor();
        choose(QColor(16, 32, 48)); // again: to the front
        QCOMPARE(Rgb(), QStringLiteral("16,32,48"));
        Form->close(); // saves
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));

        QStringList labels;
        QList<QRgb> icons;
        WithSwatchMenu([&labels, &icons](QMenu& menu)
        {
            QMenu* recent = menu.findChild<QMenu*>("RecentColorsMenu");
            QVERIFY(recent != nullptr);
            for (QAction* action : recent->actions())
            {
                if (action->isSeparator())
                    continue;
                labels << action->text();
                if (action->icon().isNull())
                    continue;
                const QImage icon = action->icon().pixmap(16).toImage();
                icons << (icon.pixel(icon.width() / 2, icon.height() / 2) & 0xFFFFFF);
            }
            recent->actions()[2]->trigger();
        });
        RColor takenColor(taken);
        QCOMPARE(labels, (QStringList{"&1  #102030", "&2  " + QString::fromLatin1(takenColor.GetHexValue().Text()),
                                      "&3  #C86432", "&4  #010203", QString::fromLatin1(ClearRecentColorsMenuText)}));
        QCOMPARE(icons, (QList<QRgb>{0x102030, qRgb(RedOfValue(taken), GreenOfValue(taken), BlueOfValue(taken)) & 0xFFFFFF,
                                     0xC86432, 0x010203}));
        QTRY_COMPARE(Rgb(), QStringLiteral("200,100,50"));

        // Cleared, the history stays cleared after a restart.
        WithSwatchMenu([](QMenu& menu) { menu.findChild<QMenu*>("RecentColorsMenu")->actions().last()->trigger(); });
        Form->close();
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        WithSwatchMenu([](QMenu& menu) { QVERIFY(!menu.findChild<QMenu*>("RecentColorsMenu")->isEnabled()); });
    }
};

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"

// The main window's keys and lists as a user meets them under a window
// manager: real clicks and keys through the X server.
#include "ui/FormLayout.h"
#include "ui/qt/QtHelpHost.h"
#include "ui/qt/TTWMainForm.h"

#include "support/TestFolder.h"
#include "support/X11Desktop.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace
{

constexpr std::uint32_t EscapeKey = 0xff1b;
constexpr std::uint32_t F1Key = 0xffbe;
constexpr std::uint32_t ControlKey = 0xffe3, ShiftKey = 0xffe1;

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> Folder;
    std::unique_ptr<X11Desktop> Desktop;
    std::unique_ptr<QtHelpHost> Help;
    std::unique_ptr<TTWMainForm> Form;

    QComboBox* List(const char* name) const { return Form->findChild<QComboBox*>(QString::fromLatin1(name)); }

    // A real click in the middle of widget, in the X server's pixels.
    void ClickOn(QWidget* widget)
    {
        const qreal ratio = widget->devicePixelRatioF();
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        Desktop->MoveTo(qRound(centre.x() * ratio), qRound(centre.y() * ratio));
        Desktop->Button(true);
        Desktop->Button(false);
    }

    // Drops list down with a click; false when no list came.
    bool DropDown(QComboBox* list)
    {
        ClickOn(list);
        return QTest::qWaitFor([list] { return list->view()->isVisible(); }, 5000);
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TestFolder>();
        Desktop = std::make_unique<X11Desktop>();
        QVERIFY(Desktop->IsOpen());
        QVERIFY(Desktop->WindowManagerRunning());
        Help = std::make_unique<QtHelpHost>(QStringLiteral(TINTWELL_PROGRAM));
        Form = std::make_unique<TTWMainForm>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    void cleanup()
    {
        Form.reset();
        Help.reset();
        Desktop.reset();
        Folder.reset();
    }

    // Escape in a dropped-down list closes the list and nothing else; the
    // next Escape closes the window as Close does.
    void EscapeInADroppedListClosesOnlyTheList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("names") << QStringLiteral("ColorNameCB");
        QTest::newRow("notations") << QStringLiteral("HexFormatCB");
    }
    void EscapeInADroppedListClosesOnlyTheList()
    {
        QFETCH(QString, list);
        QComboBox* combo = List(list.toLatin1().constData());
        QVERIFY(DropDown(combo));
        QVERIFY(Desktop->Key(EscapeKey));
        QTRY_VERIFY(!combo->view()->isVisible());
        QTest::qWait(300);
        QVERIFY(Form->isVisible());
        QTRY_VERIFY(Form->isActiveWindow());

        QVERIFY(Desktop->Key(EscapeKey));
        QTRY_VERIFY(!Form->isVisible());
    }

    // The lists drop down below themselves, in rows of the layout's item
    // height, a fixed number at a time, scrolling past them.
    void DroppedListsShowRowsOfTheLayoutsHeight_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("rows");
        QTest::newRow("140 names and None") << QStringLiteral("ColorNameCB") << DroppedListRows;
        QTest::newRow("four notations") << QStringLiteral("HexFormatCB") << 4;
    }
    void DroppedListsShowRowsOfTheLayoutsHeight()
    {
        QFETCH(QString, list);
        QFETCH(int, rows);
        QComboBox* combo = List(list.toLatin1().constData());
        QVERIFY(DropDown(combo));
        QAbstractItemView* view = combo->view();
        QCOMPARE(view->visualRect(view->model()->index(0, 0)).height(), ListItemHeight);
        QCOMPARE(view->viewport()->height(), rows * ListItemHeight);
        QCOMPARE(view->verticalScrollBar()->isVisible(), combo->count() > rows);
        const QRect box(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        QVERIFY(view->window()->geometry().top() >= box.bottom());
        QVERIFY(Desktop->Key(EscapeKey));
        QTRY_VERIFY(!view->isVisible());
    }

    // F1 does what the Help button does.
    // F1 does what the Help button does; the viewer ends with its window.
    void F1OpensHelp()
    {
        QVERIFY(Desktop->Key(F1Key));
        QTRY_VERIFY(Help->Viewer().Process().processId() > 0);
        const auto viewer = static_cast<std::uint32_t>(Help->Viewer().Process().processId());
        QTRY_VERIFY_WITH_TIMEOUT(Desktop->ProcessOf(Desktop->FocusWindow()) == viewer, 10000);
        QVERIFY(Desktop->Key(EscapeKey));
        QTRY_VERIFY_WITH_TIMEOUT(Help->Viewer().Process().state() == QProcess::NotRunning, 10000);
        QCOMPARE(Help->Viewer().Process().exitCode(), 0);
        QVERIFY(Form->isVisible()); // Escape reached the viewer only
    }

    // Ctrl+Shift+D starts the dropper from whichever control has the focus,
    // as the select button does; a key then takes the pixel.
    void CtrlShiftDStartsTheDropperFromEveryControl()
    {
        int controls = 0;
        for (QWidget* control : Form->findChildren<QWidget*>())
        {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible() || control->focusProxy())
                continue;
            ++controls;
            control->setFocus();
            QTRY_VERIFY(control->hasFocus());
            QVERIFY(Desktop->Chord({ControlKey, ShiftKey, 'd'}));
            QVERIFY2(QTest::qWaitFor([this] { return Form->IsMouseSelecting(); }, 5000),
                     qPrintable(control->objectName()));
            QVERIFY(Desktop->Key('a'));
            QTRY_VERIFY(!Form->IsMouseSelecting());
        }
        QCOMPARE(controls, 11); // six boxes, two lists, three buttons
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"

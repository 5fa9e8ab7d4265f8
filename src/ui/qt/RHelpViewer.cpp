#include "ui/qt/RHelpViewer.h"

#include "shell/ChmContents.h"
#include "shell/ShellOpen.h"
#include "ui/DesktopMonitors.h"
#include "ui/HelpPlacement.h"
#include "ui/WindowTexts.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <vector>

namespace
{

constexpr const char* Scheme = "chm";

QPointer<RHelpViewer>& TheViewer()
{
    static QPointer<RHelpViewer> viewer;
    return viewer;
}

// A help file named without a folder: beside the program, then in the data
// folder of an installation (bin/../share/tintwell).
QString Locate(const QString& file)
{
    if (file.contains('/') || file.contains('\\'))
        return file;
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {program.filePath(file), program.filePath(QStringLiteral("../share/tintwell/") + file)})
        if (QFileInfo::exists(candidate))
            return candidate;
    return file;
}

} // namespace

bool IsWebOrMailLink(const QUrl& link)
{
    const QString scheme = link.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

// Reads every page, picture and style sheet out of the help file.
class RHelpViewer::ChmBrowser : public QTextBrowser
{
public:
    ChmBrowser(RHelpViewer& viewer, QWidget* parent) : QTextBrowser(parent), Viewer(viewer) {}

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() != QLatin1String(Scheme))
            return QTextBrowser::loadResource(type, name);
        const QByteArray bytes = Viewer.ReadObject(name.path());
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(bytes);
        return bytes;
    }

private:
    RHelpViewer& Viewer;
};

RHelpViewer::RHelpViewer(const RHtmlHelpLibrary& library) : Chm(library)
{
    setObjectName("HelpViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(TintwellIcon());
    // Grown with the desktop's text, as the main window is.
    resize(FormPx(700), FormPx(480));
    auto* splitter = new QSplitter(this);
    Contents = new QTreeWidget(splitter);
    Contents->setObjectName("HelpContents");
    Contents->setHeaderHidden(true);
    Browser = new ChmBrowser(*this, splitter);
    Browser->setObjectName("HelpPage");
    Browser->setOpenLinks(false);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({FormPx(190), FormPx(510)});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(Browser, &QTextBrowser::anchorClicked, this, &RHelpViewer::Follow);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this]
    {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QString::fromUtf8(WindowTexts::HelpViewerCaption) : title);
    });
    connect(Contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, Qt::UserRole).toString()); });
    // Return and Space open the selected topic, as a click does.
    Contents->installEventFilter(this);
    // Closed as the desktop's other help and document windows are.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

RHelpViewer* RHelpViewer::Display(QWindow* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library,
                                  const QRect& ownerFrame)
{
    const QString text = ToQString(fileAndTopic);
    const qsizetype separator = text.indexOf(QStringLiteral("::"));
    const QString file = separator < 0 ? text : text.left(separator);
    QString topic = separator < 0 ? QString() : text.mid(separator + 2);

    QPointer<RHelpViewer>& viewer = TheViewer();
    if (viewer.isNull())
        viewer = new RHelpViewer(library);
    // An owned window stays above its owner, which itself stays above other
    // windows; the desktop keeps only dialogs above their owners. Set before
    // the window shows, so that the desktop knows it from the start.
    if (!viewer->isVisible())
        viewer->OwnerFrame = ownerFrame;
    if (owner != nullptr && !viewer->isVisible())
    {
        viewer->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        viewer->winId();
        viewer->windowHandle()->setTransientParent(owner);
    }
    if (!viewer->OpenFile(Locate(file)))
        viewer->Browser->setHtml(QStringLiteral("<h2>No help</h2><p>The help file %1 could not be found or read.</p>")
                                     .arg(file.toHtmlEscaped()));
    else
        viewer->ShowTopic(topic);
    viewer->KeepOnScreen();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    // Once more when the window manager has framed it; then where the user
    // moves it.
    QTimer::singleShot(0, viewer, [viewer]
    {
        viewer->KeepOnScreen();
        viewer->OwnerFrame = QRect();
    });
    return viewer;
}

bool RHelpViewer::OpenFile(const QString& file)
{
    const std::string name = QFile::encodeName(file).toStdString();
    if (Chm.IsOpen() && name == Chm.FileName())
        return true;
    Chm.Open(name);
    FillContents();
    return Chm.IsOpen();
}

QByteArray RHelpViewer::ReadObject(const QString& path) const
{
    return QByteArray::fromStdString(Chm.Read(path.toStdString()));
}

void RHelpViewer::ShowTopic(const QString& topic)
{
    QString path = topic;
    if (!path.startsWith('/'))
        path.prepend('/');
    if (path == QLatin1String("/"))
        path = QStringLiteral("/Overview.htm");
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(path);
    Browser->setSource(url);
}

void RHelpViewer::Follow(const QUrl& link)
{
    const QUrl target = Browser->source().resolved(link);
    if (target.scheme() == QLatin1String(Scheme))
        Browser->setSource(target);
    else if (IsWebOrMailLink(target))
        ShellOpen(ToRString(target.toString()));
    // Anything else (file:, a desktop entry, a program) is ignored: a page
    // of a help file must not make the desktop run what it names.
}

void RHelpViewer::FillContents()
{
    Contents->clear();
    const std::vector<RChmContentsEntry> entries = ParseChmContents(Chm.Read(Chm.ContentsPath()));
    std::vector<QTreeWidgetItem*> items;
    items.reserve(entries.size());
    for (const RChmContentsEntry& entry : entries)
    {
        const QStringList text{QString::fromStdString(entry.Name)};
        QTreeWidgetItem* item = entry.Parent < 0 ? new QTreeWidgetItem(Contents, text)
                                                 : new QTreeWidgetItem(items[static_cast<std::size_t>(entry.Parent)], text);
        item->setData(0, Qt::UserRole, QString::fromStdString(entry.Local));
        items.push_back(item);
    }
    Contents->expandAll();
    Contents->setVisible(Contents->topLevelItemCount() > 0);
    ShowWholeTitles();
}

void RHelpViewer::KeepOnScreen()
{
    const QScreen* on = screen();
    if (on == nullptr)
        return;
    const QRect available = on->availableGeometry();
    const qreal ratio = devicePixelRatioF();
    // The frame as the window manager draws it, once it does; the largest
    // size whose device pixels fit, however the toolkit rounded the area.
    const QRect outer = frameGeometry(), inner = geometry();
    const QSize frame(outer.width() - inner.width(), outer.height() - inner.height());
    const QSize room(LargestWholeFit(available.width(), ratio), LargestWholeFit(available.height(), ratio));
    const QSize fitting = size().boundedTo(room - frame);
    if (fitting != size())
        resize(fitting);
    const RScreenArea work{available.x(), available.y(), room.width(), room.height()};
    const int width = fitting.width() + frame.width(), height = fitting.height() + frame.height();
    const QPoint at = frameGeometry().topLeft();
    const RScreenArea placed =
        OwnerFrame.isEmpty()
            ? WholeOn({at.x(), at.y(), width, height}, work)
            : PlaceBesideOwner({OwnerFrame.x(), OwnerFrame.y(), OwnerFrame.width(), OwnerFrame.height()}, width,
                               height, work);
    if (QPoint(placed.Left, placed.Top) != at)
        move(placed.Left, placed.Top);
}

bool RHelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Contents && event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QTreeWidgetItem* item = Contents->currentItem();
        if (item != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        {
            ShowTopic(item->data(0, Qt::UserRole).toString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RHelpViewer::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window manager has framed or placed it: within the screen again.
    if (isVisible())
        KeepOnScreen();
}

void RHelpViewer::ShowWholeTitles()
{
    if (Contents->topLevelItemCount() == 0)
        return;
    // The widest title, indented as it stands, inside the pane's frame and
    // beside a scroll bar it may need.
    const int needed = static_cast<const QAbstractItemView*>(Contents)->sizeHintForColumn(0) + 2 * Contents->frameWidth() +
                       Contents->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    auto* splitter = static_cast<QSplitter*>(Contents->parentWidget());
    const QList<int> sizes = splitter->sizes();
    if (sizes.size() != 2 || sizes[0] >= needed)
        return;
    // The page keeps its width; the window grows by what the pane needs, as
    // far as the screen has room.
    resize(width() + needed - sizes[0], height());
    KeepOnScreen();
    splitter->setSizes({needed, sizes[1]});
}

#include "ui/qt/RHelpViewer.h"

#include "shell/ShellOpen.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>

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

RHelpViewer::RHelpViewer(QWidget* owner, const RHtmlHelpLibrary& library)
    : QWidget(owner, Qt::Window), Library(library)
{
    setObjectName("HelpViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(TintwellIcon());
    resize(700, 480);
    auto* splitter = new QSplitter(this);
    Contents = new QTreeWidget(splitter);
    Contents->setObjectName("HelpContents");
    Contents->setHeaderHidden(true);
    Browser = new ChmBrowser(*this, splitter);
    Browser->setObjectName("HelpPage");
    Browser->setOpenLinks(false);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({190, 510});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(Browser, &QTextBrowser::anchorClicked, this, &RHelpViewer::Follow);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this]
    {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Tintwell Help") : title);
    });
    connect(Contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, Qt::UserRole).toString()); });
}

RHelpViewer::~RHelpViewer()
{
    if (Chm != nullptr)
        Library.Close(Chm);
}

RHelpViewer* RHelpViewer::Display(QWidget* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library)
{
    const QString text = ToQString(fileAndTopic);
    const qsizetype separator = text.indexOf(QStringLiteral("::"));
    const QString file = separator < 0 ? text : text.left(separator);
    QString topic = separator < 0 ? QString() : text.mid(separator + 2);

    QPointer<RHelpViewer>& viewer = TheViewer();
    if (viewer.isNull())
        viewer = new RHelpViewer(owner, library);
    if (!viewer->OpenFile(Locate(file)))
        viewer->Browser->setHtml(QStringLiteral("<h2>No help</h2><p>The help file %1 could not be found or read.</p>")
                                     .arg(file.toHtmlEscaped()));
    else
        viewer->ShowTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

bool RHelpViewer::OpenFile(const QString& file)
{
    if (Chm != nullptr && file == OpenedFile)
        return true;
    if (Chm != nullptr)
        Library.Close(Chm);
    Chm = Library.Open(QFile::encodeName(file).constData());
    OpenedFile = file;
    FillContents();
    return Chm != nullptr;
}

QByteArray RHelpViewer::ReadObject(const QString& path) const
{
    RChmUnit unit{};
    const QByteArray name = path.toUtf8();
    if (Chm == nullptr || Library.Resolve(Chm, name.constData(), &unit) != 0 || unit.Length > (64u << 20))
        return {};
    QByteArray bytes(static_cast<qsizetype>(unit.Length), '\0');
    const std::int64_t got = Library.Retrieve(Chm, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                              static_cast<std::int64_t>(unit.Length));
    bytes.resize(got > 0 ? static_cast<qsizetype>(got) : 0);
    return bytes;
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
    // The table of contents is the file's .hhc page: nested lists of
    // objects, each with a Name and a Local parameter.
    const QString base = QFileInfo(OpenedFile).completeBaseName();
    const QString page = QString::fromUtf8(ReadObject(QLatin1Char('/') + base + QStringLiteral(".hhc")));
    static const QRegularExpression token(
        QStringLiteral(R"re((<ul>)|(</ul>)|<param\s+name="(Name|Local)"\s+value="([^"]*)"|(</object>))re"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<QTreeWidgetItem*> parents{nullptr};
    QTreeWidgetItem* last = nullptr;
    QString name, local;
    for (auto match = token.globalMatch(page); match.hasNext();)
    {
        const QRegularExpressionMatch m = match.next();
        if (!m.captured(1).isEmpty())
            parents.push_back(last);
        else if (!m.captured(2).isEmpty() && parents.size() > 1)
            parents.pop_back();
        else if (m.captured(3).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            name = m.captured(4);
        else if (!m.captured(3).isEmpty())
            local = m.captured(4);
        else if (!m.captured(5).isEmpty() && !name.isEmpty())
        {
            last = parents.back() ? new QTreeWidgetItem(parents.back(), {name}) : new QTreeWidgetItem(Contents, {name});
            last->setData(0, Qt::UserRole, local);
            name.clear();
            local.clear();
        }
    }
    Contents->expandAll();
    Contents->setVisible(Contents->topLevelItemCount() > 0);
}

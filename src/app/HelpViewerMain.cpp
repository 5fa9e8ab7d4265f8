#include "app/HelpViewerMain.h"

#include "app/StandardInputLines.h"
#include "ui/qt/HelpViewerRequest.h"
#include "ui/qt/RHelpViewer.h"
#include "ui/qt/Resources.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>

#include <memory>

namespace
{

// The program's window that owns the viewer, as a window of another program.
class ForeignOwner
{
public:
    QWindow* Find(unsigned long long id)
    {
        if (id == 0)
            return nullptr;
        if (Window == nullptr || Id != id)
        {
            Window.reset(QWindow::fromWinId(static_cast<WId>(id)));
            Id = id;
        }
        return Window.get();
    }

private:
    unsigned long long Id = 0;
    std::unique_ptr<QWindow> Window;
};

} // namespace

int RunHelpViewer(int& argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintwell"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quenlar.tintwell"));
    QApplication::setWindowIcon(TintwellIcon());

    RHtmlHelpLibrary library;
    if (argc < 3 || !LoadHtmlHelpLibrary(argv[2], library))
    {
        qWarning("The help viewer could not load the help engine.");
        return 1;
    }
    ForeignOwner owner;
    QPointer<RHelpViewer> watched;
    WatchStandardInputLines(
        [&](const QByteArray& line)
        {
            RHelpViewerRequest request;
            if (!ParseHelpViewerRequest(line, request))
                return;
            RHelpViewer* viewer = RHelpViewer::Display(
                owner.Find(request.Owner),
                RString(request.FileAndTopic.constData(), static_cast<int>(request.FileAndTopic.size())), library,
                request.OwnerFrame);
            // The viewer ends with its window; the next Help starts a new
            // one. (An owned window does not count as the last one closed.)
            if (viewer != watched)
            {
                watched = viewer;
                QObject::connect(viewer, &QObject::destroyed, qApp, [] { QCoreApplication::quit(); });
            }
        },
        // The program has ended or let its viewer go.
        [] { QCoreApplication::quit(); });
    const int code = QApplication::exec();
    ReleaseHtmlHelpLibrary(library);
    return code;
}

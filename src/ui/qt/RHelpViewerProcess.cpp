#include "ui/qt/RHelpViewerProcess.h"

#include "ui/qt/HelpViewerRequest.h"
#include "ui/qt/QtText.h"
#include "ui/qt/ScreenAccess.h"

#include <QCoreApplication>
#include <QWidget>

namespace
{

// How long the program waits at its end for the viewer to go by itself.
constexpr int EndingWaitMs = 1000;
constexpr int StartWaitMs = 5000;

// A window id another program may name as its owner, where the display
// allows one.
unsigned long long OwnerId(QWidget* owner)
{
    if (owner == nullptr || !ForeignOwnersAllowed())
        return 0;
    return static_cast<unsigned long long>(owner->window()->winId());
}

} // namespace

RHelpViewerProcess::RHelpViewerProcess(const QString& program) : Program(program)
{
    // The viewer's messages and its crash reports go where the program's go.
    Viewer.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&Viewer, &QProcess::finished, [](int code, QProcess::ExitStatus status)
    {
        if (status == QProcess::CrashExit || code != 0)
            qWarning("The help viewer ended unexpectedly (%s %d); Tintwell goes on.",
                     status == QProcess::CrashExit ? "crash" : "exit code", code);
    });
}

RHelpViewerProcess::~RHelpViewerProcess()
{
    if (Viewer.state() == QProcess::NotRunning)
        return;
    // The end of its requests tells the viewer to close; one that does not
    // is ended by QProcess.
    Viewer.closeWriteChannel();
    Viewer.waitForFinished(EndingWaitMs);
}

bool RHelpViewerProcess::Start(const RString& engineFile)
{
    const QString program = Program.isEmpty() ? QCoreApplication::applicationFilePath() : Program;
    // Started directly, never through a shell: the names are passed as they are.
    Viewer.start(program, {QString::fromLatin1(HelpViewerOption), ToQString(engineFile)});
    if (Viewer.waitForStarted(StartWaitMs))
        return true;
    qWarning("The help viewer %s could not be started: %s", qPrintable(program), qPrintable(Viewer.errorString()));
    return false;
}

bool RHelpViewerProcess::Show(QWidget* owner, const RString& fileAndTopic, const RString& engineFile)
{
    // Where the owner lies, so that the viewer opens beside it; a Wayland
    // client knows no place of its own.
    const QRect frame = owner != nullptr && ForeignOwnersAllowed() ? owner->window()->frameGeometry() : QRect();
    const QByteArray line =
        FormatHelpViewerRequest({OwnerId(owner), QByteArray(fileAndTopic.Text(), fileAndTopic.Length()), frame});
    if (line.isEmpty())
        return false;
    if (Viewer.state() == QProcess::NotRunning && !Start(engineFile))
        return false;
    return Viewer.write(line) == line.size();
}

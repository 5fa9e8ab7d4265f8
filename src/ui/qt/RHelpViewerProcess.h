#pragma once

#include "text/RString.h"

#include <QProcess>
#include <QString>

class QWidget;

// The help viewer runs as a process of its own, so that a damaged help file,
// which can crash the engine reading it, takes down only the viewer's window
// and never the program with the colour being edited. One viewer is kept and
// sent each topic; it ends when its window closes or this object goes.
class RHelpViewerProcess
{
public:
    // program is started with the help viewer option and the engine's
    // library file; empty means this program itself.
    explicit RHelpViewerProcess(const QString& program = QString());
    ~RHelpViewerProcess();
    RHelpViewerProcess(const RHelpViewerProcess&) = delete;
    RHelpViewerProcess& operator=(const RHelpViewerProcess&) = delete;

    // Shows fileAndTopic in the viewer, above owner's window where the
    // desktop allows one program's window to own another's. Starts the
    // viewer when none runs (again after one has ended or crashed). False
    // when no viewer could be started or the request cannot be sent.
    bool Show(QWidget* owner, const RString& fileAndTopic, const RString& engineFile);

    // The running viewer, if any (tests watch it).
    const QProcess& Process() const { return Viewer; }

private:
    bool Start(const RString& engineFile);

    QString Program;
    QProcess Viewer;
};

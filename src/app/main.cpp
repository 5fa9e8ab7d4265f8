// Start-up: the application, its title, the main window, the event loop; or,
// started with the help viewer option, the program's help viewer.
#include "app/HelpViewerMain.h"
#include "app/TerminationRequests.h"
#include "ui/FormLayout.h"
#include "ui/qt/HelpViewerRequest.h"
#include "ui/qt/QtHelpHost.h"
#include "ui/qt/Resources.h"
#include "ui/qt/TTWMainForm.h"

#include <QApplication>
#include <QMessageBox>

#include <cstring>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], HelpViewerOption) == 0)
        return RunHelpViewer(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintwell"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(MainFormLayout().Caption));
    // Ties the windows to the desktop entry (icon, name) in the desktop's shell.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quenlar.Tintwell"));
    QApplication::setWindowIcon(TintwellIcon());
    try
    {
        QtHelpHost help; // help can warn and show topics while the application exists
        TTWMainForm form;
        // The desktop session ending, or a request to terminate, saves as a
        // close does: once, whichever comes first.
        QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                         [&form] { form.SaveSettings(); });
        QObject::connect(&application, &QCoreApplication::aboutToQuit, &form,
                         [&form] { form.SaveSettings(); });
        WatchTerminationRequests([&form] { form.close(); });
        form.show();
        QApplication::exec();
    }
    catch (const std::exception& failure)
    {
        QMessageBox::critical(nullptr, QString::fromLatin1(MainFormLayout().Caption),
                              QString::fromUtf8(failure.what()));
    }
    return 0;
}

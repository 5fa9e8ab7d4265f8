// Start-up: the command line; then the application, its title, the main
// window and the event loop; or, started with the help viewer option, the
// program's help viewer.
#include "app/ColorConversion.h"
#include "app/CommandLine.h"
#include "app/DisplayProbe.h"
#include "app/HelpViewerMain.h"
#include "app/MemoryPolicy.h"
#include "app/ProgramConsole.h"
#include "app/TerminationRequests.h"
#include "instance/InstanceChannel.h"
#include "ui/FormLayout.h"
#include "ui/qt/QtHelpHost.h"
#include "ui/qt/Resources.h"
#include "ui/qt/ScreenAccess.h"
#include "ui/qt/TTWMainForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

namespace
{

// The name the program was started by, for its messages.
std::string ProgramName(const char* argv0)
{
    const std::string path = argv0 != nullptr && *argv0 != '\0' ? argv0 : "tintwell";
    return path.substr(path.find_last_of('/') + 1);
}

// One pick without the window: the colour on standard output and 0, 1 when
// the user cancelled it, 3 when nothing can be picked here (the reason on
// standard error).
int PickAndPrint(const std::optional<RColorPrinter>& printer, const std::string& program)
{
    int status = static_cast<int>(RPickOutcome::CannotPick);
    QtHelpHost help;
    TTWMainForm form;
    form.PickOnce([&status, &printer, &program](const RPickAnswer& answer)
    {
        const RPickReport report = PickReport(answer, printer, program);
        status = report.Status;
        std::fputs(report.Error.c_str(), stderr);
        if (std::fputs(report.Output.c_str(), stdout) < 0 || std::fflush(stdout) != 0)
            status = 1;
        QCoreApplication::exit();
    });
    QApplication::exec();
    return status;
}

// The launcher's tokens for this start, read before the toolkit takes them
// out of the environment.
struct RStartupTokens
{
    std::string X11StartupId;
    std::string WaylandToken;
};

RStartupTokens StartupTokens()
{
    const char* x11 = std::getenv("DESKTOP_STARTUP_ID");
    const char* wayland = std::getenv("XDG_ACTIVATION_TOKEN");
    return {x11 != nullptr ? x11 : "", wayland != nullptr ? wayland : ""};
}

int RunProgram(int& argc, char** argv, const RCommandLine& line, const std::optional<RColorPrinter>& printer,
               const std::string& program)
{
    ReturnLargeBlocksToTheSystem();
    const RStartupTokens tokens = StartupTokens();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintwell"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(MainFormLayout().Caption));
    // Ties the windows to the desktop entry (icon, name) in the desktop's shell.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quenlar.tintwell"));
    QApplication::setWindowIcon(TintwellIcon());
    // Every window and message of the program speaks in the dialog font. As
    // the application's font it is also the one a text box lays out in before
    // it takes its window's font, so one font is loaded at start, not two.
    QApplication::setFont(DialogFont());
    try
    {
        if (line.Print)
            return PickAndPrint(printer, program);
        RInstanceChannel channel(DisplayName());
        std::string notice;
        const RInstanceCall call{line.Pick ? RInstanceRequest::Pick : RInstanceRequest::Show,
                                 StartupTokenOfThisStart(tokens.X11StartupId, tokens.WaylandToken)};
        if (!BecomeTheInstance(channel, call, notice))
            return 0;
        if (!notice.empty())
            std::fprintf(stderr, "%s: %s\n", program.c_str(), notice.c_str());
        // Callers are answered from the event loop, whenever they come.
        std::optional<QSocketNotifier> callers;
        if (channel.WatchedSocket() >= 0)
        {
            callers.emplace(channel.WatchedSocket(), QSocketNotifier::Read);
            QObject::connect(&*callers, &QSocketNotifier::activated, [&channel] { channel.Serve(); });
        }
        QtHelpHost help; // help can warn and show topics while the application exists
        TTWMainForm form;
        channel.OnRequest([&form](const RInstanceCall& request)
                          { form.ComeForward(request.Request == RInstanceRequest::Pick, request.StartupToken); });
        // The desktop session ending, or a request to terminate, saves as a
        // close does: once, whichever comes first.
        QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                         [&form] { form.SaveSettings(); });
        QObject::connect(&application, &QCoreApplication::aboutToQuit, &form,
                         [&form] { form.SaveSettings(); });
        WatchTerminationRequests([&form] { form.close(); });
        form.show();
        if (line.Pick)
            form.ComeForward(true);
        QApplication::exec();
    }
    catch (const std::exception& failure)
    {
        QMessageBox::critical(nullptr, QString::fromLatin1(MainFormLayout().Caption),
                              QString::fromUtf8(failure.what()));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string program = ProgramName(argc > 0 ? argv[0] : nullptr);
    const RCommandLine line = ParseCommandLine(argc, argv);
    switch (line.Action)
    {
    case RCommandLine::RAction::PrintHelp:
        std::fputs(UsageText(program).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case RCommandLine::RAction::PrintVersion:
        std::fputs(OwnVersionText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case RCommandLine::RAction::Fail:
        std::fprintf(stderr, "%s: %s (%s --help lists the options)\n", program.c_str(), line.Error.c_str(),
                     program.c_str());
        return 2;
    case RCommandLine::RAction::HelpViewer:
        return RunHelpViewer(argc, argv);
    case RCommandLine::RAction::Convert:
    case RCommandLine::RAction::ListFormats:
    {
        RProgramConsole console;
        return RunConversionCommand(line, console, program);
    }
    case RCommandLine::RAction::Run:
        break;
    }
    // A form named for --pick --print must exist before anything is picked.
    std::optional<RColorPrinter> printer;
    if (std::string error; !ChoosePickPrinter(line, printer, error))
    {
        std::fprintf(stderr, "%s: %s", program.c_str(), error.c_str());
        return 2;
    }
    // The toolkit would end the process with a core dump; one line is kinder.
    std::string reason;
    if (!DisplayAvailable(line.Platform, line.Display, reason))
    {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), reason.c_str());
        return line.Print ? static_cast<int>(RPickOutcome::CannotPick) : 1;
    }
    return RunProgram(argc, argv, line, printer, program);
}

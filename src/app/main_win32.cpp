// Start-up on Windows: the command line; the running Tintwell of this
// session, if any, takes the request instead; otherwise the common
// controls, the main window and the message loop, or one pick without the
// window. An exception that escapes is shown in a message box.
#include "app/ColorConversion.h"
#include "app/CommandLine.h"
#include "app/ConsoleOutput.h"
#include "app/ProgramConsole.h"
#include "instance/InstanceChannel.h"
#include "ui/FormLayout.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/TTWMainForm.h"
#include "ui/win32/Win32HelpHost.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace
{

// The arguments as UTF-8, the program's name first.
std::vector<std::string> Arguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i)
    {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(argument);
    }
    ::LocalFree(wide);
    return arguments;
}

// Informational text: to the terminal, or in a box when there is none.
void Tell(const std::string& text, bool error)
{
    if (!(error ? WriteStandardError(text) : WriteStandardOutput(text)))
        ::MessageBoxA(nullptr, text.c_str(), MainFormLayout().Caption, MB_OK | (error ? MB_ICONERROR : 0));
}

// One pick without the window: 0 with the colour printed, 1 cancelled, 3
// when nothing can be picked (the reason on standard error).
int PickAndPrint(const std::optional<RColorPrinter>& printer)
{
    int status = static_cast<int>(RPickOutcome::CannotPick);
    Win32HelpHost help;
    TTWMainForm form;
    form.PickOnce([&status, &printer](const RPickAnswer& answer)
    {
        const RPickReport report = PickReport(answer, printer, "Tintwell");
        status = report.Status;
        if (!report.Error.empty())
            WriteStandardError(report.Error);
        if (!report.Output.empty() && !WriteStandardOutput(report.Output))
            status = 1;
        ::PostQuitMessage(0);
    });
    RunMessageLoop();
    return status;
}

// The window and its message loop, or one pick without it.
int RunProgram(const RCommandLine& line, const std::optional<RColorPrinter>& printer)
{
    std::optional<RInstanceChannel> channel;
    if (!line.Print)
    {
        channel.emplace("");
        std::string notice;
        // Windows hands the foreground right over itself; no token travels.
        if (!BecomeTheInstance(*channel, {line.Pick ? RInstanceRequest::Pick : RInstanceRequest::Show, {}}, notice))
            return 0;
        if (!notice.empty())
            WriteStandardError("Tintwell: " + notice + "\n");
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    try
    {
        if (line.Print)
            return PickAndPrint(printer);
        Win32HelpHost help; // help can warn and show topics while the program runs
        TTWMainForm form;
        channel->OnRequest([&form](const RInstanceCall& call)
                           { form.ComeForwardLater(call.Request == RInstanceRequest::Pick); });
        form.Show();
        if (line.Pick)
            form.ComeForward(true);
        RunMessageLoop();
    }
    catch (const std::exception& failure)
    {
        ::MessageBoxA(nullptr, failure.what(), MainFormLayout().Caption, MB_OK | MB_ICONERROR);
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::vector<std::string> arguments = Arguments();
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    const RCommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), false);
    switch (line.Action)
    {
    case RCommandLine::RAction::PrintHelp:
        Tell(UsageText("Tintwell", true), false);
        return 0;
    case RCommandLine::RAction::PrintVersion:
        Tell(OwnVersionText(), false);
        return 0;
    case RCommandLine::RAction::HelpViewer: // the Linux help viewer's
    case RCommandLine::RAction::Fail:
        Tell("Tintwell: " + (line.Error.empty() ? std::string("unknown option '--help-viewer'") : line.Error) +
                 " (Tintwell --help lists the options)\n",
             true);
        return 2;
    case RCommandLine::RAction::Convert:
    case RCommandLine::RAction::ListFormats:
    {
        RProgramConsole console;
        return RunConversionCommand(line, console, "Tintwell");
    }
    case RCommandLine::RAction::Run:
        break;
    }
    // A form named for --pick --print must exist before anything is picked.
    std::optional<RColorPrinter> printer;
    if (std::string error; !ChoosePickPrinter(line, printer, error))
    {
        Tell("Tintwell: " + error, true);
        return 2;
    }
    return RunProgram(line, printer);
}

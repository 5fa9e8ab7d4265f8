#pragma once

#include <string>

// What the command line asks of the program: the two informational options,
// picking a colour at once (--pick), also without the window, printing it
// (--pick --print), and converting colour texts (--convert, --formats). On Linux the toolkit's own options (-platform,
// -style, -display, …) are let through for it to take.
struct RCommandLine
{
    enum class RAction
    {
        Run,        // the program's window, as without arguments
        PrintHelp,  // --help or -h: the usage text, exit 0
        PrintVersion, // --version or -V: the version, exit 0
        HelpViewer, // the program's own help viewer process
        Convert,    // --convert TEXT: TEXT's colour printed, no display needed
        ListFormats, // --formats: the forms' names, one a line
        Fail,       // an unknown option or a missing value: Error, exit 2
    };
    RAction Action = RAction::Run;
    // For Fail: one line saying what was wrong, without the program's name.
    std::string Error;
    // The toolkit's -platform and -display values, empty when not given.
    std::string Platform;
    std::string Display;
    // --pick: the window starts sampling at once (the running one, when
    // there is one). With --print too, one pick without the window, its
    // literal printed.
    bool Pick = false;
    bool Print = false;
    // For Convert: the text, or "-" for one colour a line of standard input.
    std::string ConvertText;
    // --format NAME, for Convert and --pick --print; empty for the saved
    // notation.
    std::string Format;
};

// Reads argv as the program is started. The first of --help and --version
// wins; anything the program and the toolkit do not know fails.
// toolkitOptions: whether the toolkit's options are known (not on Windows).
RCommandLine ParseCommandLine(int argc, const char* const* argv, bool toolkitOptions = true);

// The usage text, about the program named program; on Windows without the
// toolkit's options, with the Windows settings folder and hot key.
std::string UsageText(const std::string& program, bool windows = false);
// The version text: the product name and version, and the copyright line.
std::string VersionText(const std::string& productName, const std::string& version, const std::string& copyright);
// --version's text: name, version and copyright from the program's own
// version resource, as the About box shows them.
std::string OwnVersionText();

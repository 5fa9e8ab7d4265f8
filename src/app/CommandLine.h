#pragma once

#include <string>

// What the command line asks of the program. Tintwell itself has only the
// two informational options; the toolkit's own options (-platform, -style,
// -display, …) are let through for it to take.
struct RCommandLine
{
    enum class RAction
    {
        Run,        // the program's window, as without arguments
        PrintHelp,  // --help or -h: the usage text, exit 0
        PrintVersion, // --version or -V: the version, exit 0
        HelpViewer, // the program's own help viewer process
        Fail,       // an unknown option or a missing value: Error, exit 2
    };
    RAction Action = RAction::Run;
    // For Fail: one line saying what was wrong, without the program's name.
    std::string Error;
    // The toolkit's -platform and -display values, empty when not given.
    std::string Platform;
    std::string Display;
};

// Reads argv as the program is started. The first of --help and --version
// wins; anything the program and the toolkit do not know fails.
RCommandLine ParseCommandLine(int argc, const char* const* argv);

// The usage text, about the program named program.
std::string UsageText(const std::string& program);
// The version text: the product name and version, and the copyright line.
std::string VersionText(const std::string& productName, const std::string& version, const std::string& copyright);

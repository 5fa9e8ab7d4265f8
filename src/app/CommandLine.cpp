#include "app/CommandLine.h"

#include "shell/Help.h"
#include "shell/VersionInfo.h"

#include <array>
#include <string_view>
#include <utility>

namespace
{

// The toolkit's options that take a value as the next argument (or after
// '=' where it allows that), and those that stand alone. Either may be
// written with one dash or two.
constexpr std::array ToolkitOptionsWithValue{"platform", "platformpluginpath", "platformtheme", "plugin",
                                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                                             "geometry", "style", "stylesheet", "session", "name", "title",
                                             "qmljsdebugger"};
constexpr std::array ToolkitFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<const char*, N>& names)
{
    for (const char* known : names)
        if (name == known)
            return true;
    return false;
}

void Fail(RCommandLine& result, std::string error)
{
    result.Action = RCommandLine::RAction::Fail;
    result.Error = std::move(error);
    result.Pick = result.Print = false;
}

// An option of the program's that takes a value, as "--name VALUE" or
// "--name=VALUE": true when argument is it, with value filled (or the line
// failed for a missing one).
bool ValueOption(std::string_view name, int argc, const char* const* argv, int& i, RCommandLine& result,
                 std::string& value)
{
    const std::string_view argument = argv[i];
    if (argument.substr(0, name.size()) != name)
        return false;
    if (argument.size() > name.size() && argument[name.size()] == '=')
        value = std::string(argument.substr(name.size() + 1));
    else if (argument.size() != name.size())
        return false;
    else if (i + 1 < argc)
        value = argv[++i];
    else
        Fail(result, "option '" + std::string(name) + "' needs a value");
    return true;
}

// The options that must come together, checked once every one is read.
void CheckCombinations(RCommandLine& result, bool convert)
{
    using RAction = RCommandLine::RAction;
    if (result.Action == RAction::Fail)
        return;
    if (convert && (result.Pick || result.Action == RAction::ListFormats))
        Fail(result, "option '--convert' goes with none of '--pick' and '--formats'");
    else if (result.Print && !result.Pick)
        Fail(result, "option '--print' needs '--pick'");
    else if (!result.Format.empty() && !convert && !result.Print)
        Fail(result, "option '--format' needs '--convert' or '--pick --print'");
    else if (convert)
        result.Action = RAction::Convert;
}

} // namespace

RCommandLine ParseCommandLine(int argc, const char* const* argv, bool toolkitOptions)
{
    using RAction = RCommandLine::RAction;
    if (argc >= 2 && std::string_view(argv[1]) == HelpViewerOption)
        return {RAction::HelpViewer, {}, {}, {}, false, false, {}, {}};
    RCommandLine result;
    bool convert = false;
    for (int i = 1; i < argc; ++i)
    {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return {RAction::PrintHelp, {}, {}, {}, false, false, {}, {}};
        if (argument == "--version" || argument == "-V")
            return {RAction::PrintVersion, {}, {}, {}, false, false, {}, {}};
        if (result.Action == RAction::Fail)
            continue; // an informational option later still wins
        if (argument == "--pick" || argument == "--print")
        {
            (argument == "--pick" ? result.Pick : result.Print) = true;
            continue;
        }
        if (argument == "--formats")
        {
            result.Action = RAction::ListFormats;
            continue;
        }
        if (ValueOption("--convert", argc, argv, i, result, result.ConvertText))
        {
            convert = true;
            continue;
        }
        if (ValueOption("--format", argc, argv, i, result, result.Format))
        {
            if (result.Format.empty() && result.Action != RAction::Fail)
                Fail(result, "option '--format' needs a name");
            continue;
        }
        std::string_view name = argument;
        if (name.size() < 2 || name[0] != '-')
        {
            Fail(result, "unexpected argument '" + std::string(argument) + "'");
            continue;
        }
        name.remove_prefix(name.size() > 2 && name[1] == '-' ? 2 : 1);
        const std::size_t equals = name.find('=');
        const std::string_view bare = name.substr(0, equals);
        if (toolkitOptions && IsOneOf(bare, ToolkitFlags) && equals == std::string_view::npos)
            continue;
        if (toolkitOptions && IsOneOf(bare, ToolkitOptionsWithValue))
        {
            if (equals == std::string_view::npos && i + 1 >= argc)
            {
                Fail(result, "option '" + std::string(argument) + "' needs a value");
                continue;
            }
            const std::string value = equals == std::string_view::npos ? argv[++i] : std::string(name.substr(equals + 1));
            if (bare == "platform")
                result.Platform = value;
            else if (bare == "display")
                result.Display = value;
            continue;
        }
        Fail(result, "unknown option '" + std::string(argument) + "'");
    }
    CheckCombinations(result, convert);
    return result;
}

std::string UsageText(const std::string& program, bool windows)
{
    std::string text = "Usage: " + program + " [OPTION]\n"
           "Shows one colour at a time in a small window that stays on top, and lets you\n"
           "set it by RGB, by HSL (0-239), by one of 140 names, in a hue/saturation plane,\n"
           "through the colour dialog or by picking any pixel of the screen. The colour is\n"
           "printed as a hex literal in HTML, C++, Delphi or VB notation.\n"
           "\n"
           "      --pick     start picking a colour from the screen at once; when Tintwell\n"
           "                 is already running on this display, that window picks\n"
           "      --print    with --pick: pick without the window, print the colour's\n"
           "                 literal in the saved notation and exit 0; exit 1 when\n"
           "                 the pick is cancelled (Escape), 3 when nothing can be\n"
           "                 picked here (no display, no copy of the screen, no\n"
           "                 desktop portal), with the reason on standard error\n"
           "      --convert TEXT  print the colour TEXT names (#rrggbb, rgb(), hsl(), hwb(),\n"
           "                 lab(), lch(), oklab(), oklch(), color(), a name, ...) in the\n"
           "                 saved notation, or in --format's; exit 1 when TEXT names\n"
           "                 no colour; with '-' as TEXT, one colour a line from\n"
           "                 standard input, one printed a line (an empty one for a\n"
           "                 line that names none)\n"
           "      --format NAME  with --convert or --pick --print: print in the form NAME\n"
           "      --formats  list the forms' names, built-in and the user's own\n"
           "  -h, --help     print this help and exit\n"
           "  -V, --version  print the version and exit\n"
           "\n";
    if (windows)
        return text + "To pick with one key, press Ctrl+Alt+C: the Start menu's Tintwell shortcut\n"
                      "runs \"" + program + " --pick\" with it.\n"
                      "\n"
                      "The last colour, notation, window position and recent colours are kept in\n"
                      "%APPDATA%\\Quenlar\\Tintwell\\" + program + ".apr.\n";
    return text + "The toolkit's own options (-platform, -style, -display, ...) are taken too.\n"
           "\n"
           "To pick with one key, bind a shortcut to \"" + program + " --pick\": in GNOME under\n"
           "Settings > Keyboard > Custom Shortcuts, in KDE Plasma under System Settings >\n"
           "Shortcuts (the desktop entry's \"Pick a Colour\" action), in Xfce under\n"
           "Keyboard > Application Shortcuts, in openbox with a <keybind> in rc.xml.\n"
           "\n"
           "The last colour, notation, window position and recent colours are kept in\n"
           "$XDG_CONFIG_HOME/Quenlar/Tintwell/" + program + ".apr, or without XDG_CONFIG_HOME in\n"
           "~/.config/Quenlar/Tintwell/" + program + ".apr.\n";
}

std::string VersionText(const std::string& productName, const std::string& version, const std::string& copyright)
{
    return productName + " " + version + "\n" + copyright + "\n";
}

std::string OwnVersionText()
{
    ROwnVersion own;
    if (!ReadOwnVersion(own))
        return "Quenlar Tintwell (no version information)\n";
    return VersionText(own.ProductName.Text(), own.ProductVersion.Text(), own.Copyright.Text());
}

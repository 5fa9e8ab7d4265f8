#include "shell/Shell.h"

#include "shell/EnvironmentReferences.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ShellService
{

namespace
{

// The desktop's opener: it picks the associated application itself.
constexpr const char* OpenerName = "xdg-open";

bool IsExecutableFile(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Searched in the parent: between fork and exec only async-signal-safe calls
// are allowed, and a path search may allocate.
std::string FindOnPath(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string_view entries = path != nullptr && *path != '\0' ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true)
    {
        const std::size_t colon = entries.find(':');
        const std::string_view entry = entries.substr(0, colon);
        // Only absolute folders: an empty or relative entry would run a
        // program of that name from wherever Tintwell was started.
        if (!entry.empty() && entry.front() == '/')
        {
            const std::string candidate = std::string(entry) + "/" + program;
            if (IsExecutableFile(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            return {};
        entries.remove_prefix(colon + 1);
    }
}

// Writes errno to the pipe and ends the child; async-signal-safe only.
[[noreturn]] void ReportAndExit(int pipeEnd)
{
    const int error = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnd, &error, sizeof error);
    ::_exit(127);
}

// Starts the opener on argument, as one argument and never through a shell,
// in workingFolder when it is not empty. Does not wait for the opener: a
// middle child starts it and ends at once, so the opener belongs to init,
// which reaps it, and no zombie is left. True when the opener was started.
bool LaunchOpener(const RString& argument, const RString& workingFolder)
{
    const std::string opener = FindOnPath(OpenerName);
    if (opener.empty())
        return false;
    char* const arguments[] = {const_cast<char*>(OpenerName),
                               const_cast<char*>(argument.Text()), nullptr};
    const char* folder = workingFolder.IsEmpty() ? nullptr : workingFolder.Text();

    // A failed exec writes its errno here; a successful one closes the pipe.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;

    const pid_t middle = ::fork();
    if (middle == 0)
    {
        const pid_t launcher = ::fork();
        if (launcher != 0)
            ::_exit(launcher < 0 ? 1 : 0);
        ::setsid(); // away from our terminal and process group
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGPIPE, SIG_DFL);
        if (folder != nullptr && ::chdir(folder) != 0)
            ReportAndExit(report[1]);
        ::execve(opener.c_str(), arguments, environ);
        ReportAndExit(report[1]);
    }
    ::close(report[1]);
    if (middle < 0)
    {
        ::close(report[0]);
        return false;
    }

    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR)
    {
    }
    bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (started)
    {
        int error = 0;
        ssize_t got;
        do
            got = ::read(report[0], &error, sizeof error);
        while (got < 0 && errno == EINTR);
        started = got == 0;
    }
    ::close(report[0]);
    return started;
}

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// Creates path and its missing parents, the last levels with mode.
bool EnsureFolder(const std::string& path, mode_t mode)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1))
    {
        const std::string level = path.substr(0, slash);
        struct stat info;
        if (::stat(level.c_str(), &info) != 0)
        {
            if (::mkdir(level.c_str(), mode) != 0 && errno != EEXIST)
                return false;
        }
        else if (!S_ISDIR(info.st_mode))
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

bool OpenDocument(const RString& target)
{
    // No working folder: the opener starts where we are.
    return LaunchOpener(target, RString());
}

bool OpenDocumentIn(WindowHandle /*owner*/, const RString& file, const RString& parameters,
                    const RString& folder)
{
    // The opener takes exactly one argument, so arguments for a program
    // cannot be passed on; refusing says so instead of dropping them.
    if (!parameters.IsEmpty())
        return false;
    return LaunchOpener(ExpandEnvironmentReferences(file), ExpandEnvironmentReferences(folder));
}

bool GetApplicationDataFolder(bool allUsers, RString& folder)
{
    std::string path;
    if (allUsers)
    {
        // The first absolute entry of the system configuration folders.
        const char* dirs = std::getenv("XDG_CONFIG_DIRS");
        std::string_view entries = dirs != nullptr ? dirs : "";
        while (path.empty() && !entries.empty())
        {
            const std::size_t colon = entries.find(':');
            const std::string_view entry = entries.substr(0, colon);
            if (!entry.empty() && entry.front() == '/')
                path = entry;
            entries.remove_prefix(colon == std::string_view::npos ? entries.size() : colon + 1);
        }
        if (path.empty())
            path = "/etc/xdg";
    }
    else
    {
        const char* configHome = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        if (IsAbsolute(configHome))
            path = configHome;
        else if (IsAbsolute(home))
            path = std::string(home) + "/.config";
        else
            return false;
    }
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    // A user's configuration folder is private to the user.
    if (!EnsureFolder(path, allUsers ? 0755 : 0700))
        return false;
    folder = RString(path.c_str());
    return true;
}

} // namespace ShellService

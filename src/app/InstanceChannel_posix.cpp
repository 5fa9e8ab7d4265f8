#include "app/InstanceChannel.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// A request is a few bytes; a peer that sends more, or nothing for this
// long, is cut off. The answer may take as long: the running one may be
// busy painting.
constexpr std::size_t LongestLine = 16;
constexpr int LineWaitMs = 500;
constexpr int AnswerWaitMs = 3000;

std::string DisplayName()
{
    const QString platform = QGuiApplication::platformName();
    const char* name = nullptr;
    if (platform == QLatin1String("wayland"))
        name = std::getenv("WAYLAND_DISPLAY");
    else if (platform == QLatin1String("xcb"))
        name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0')
        return platform == QLatin1String("wayland") ? "wayland-0" : platform.toStdString();
    return name;
}

// The session's runtime folder, private to the user by its definition;
// otherwise a folder of the user's own in the temporary folder, trusted
// only when it is a real folder of this user's that nobody else may enter.
// Empty when there is none to be had.
std::string PrivateFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat status{};
    if (runtime != nullptr && *runtime == '/' && ::stat(runtime, &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == ::getuid())
        return runtime;
    const std::string own = "/tmp/tintwell-" + std::to_string(::getuid());
    ::mkdir(own.c_str(), 0700);
    if (::lstat(own.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid() ||
        (status.st_mode & 077) != 0)
        return {};
    return own;
}

bool Address(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A connected socket to path, or -1 when no one listens there.
int Connect(const std::string& path)
{
    sockaddr_un address;
    if (!Address(path, address))
        return -1;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    {
        ::close(socket);
        return -1;
    }
    return socket;
}

// One line (its newline taken off) within waitMs; false for more than
// LongestLine bytes, a closed peer or the time running out.
bool ReadLine(int socket, std::string& line, int waitMs)
{
    line.clear();
    char c = 0;
    while (line.size() <= LongestLine)
    {
        pollfd ready{socket, POLLIN, 0};
        if (::poll(&ready, 1, waitMs) <= 0 || ::read(socket, &c, 1) != 1)
            return false;
        if (c == '\n')
            return true;
        line += c;
    }
    return false;
}

bool WriteAll(int socket, const std::string& text)
{
    return ::send(socket, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
}

} // namespace

RInstanceChannel::RInstanceChannel()
{
    const std::string folder = PrivateFolder();
    if (!folder.empty())
        SocketPath = folder + '/' + InstanceChannelName(DisplayName());
}

RInstanceChannel::~RInstanceChannel()
{
    if (Listener >= 0)
    {
        ::close(Listener);
        ::unlink(SocketPath.c_str());
    }
}

bool RInstanceChannel::HandOver(RInstanceRequest request) const
{
    const int socket = Connect(SocketPath);
    if (socket < 0)
        return false;
    std::string answer;
    // The answer says the running one read the request, not that it is done.
    const bool taken = WriteAll(socket, InstanceRequestLine(request)) && ReadLine(socket, answer, AnswerWaitMs) &&
                       answer == "ok";
    ::close(socket);
    return taken;
}

bool RInstanceChannel::Listen()
{
    sockaddr_un address;
    if (Listener >= 0 || !Address(SocketPath, address))
        return Listener >= 0;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    const auto bind = [&] { return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0; };
    bool bound = bind();
    if (!bound && errno == EADDRINUSE)
    {
        // Left over, or someone is alive there: only a socket file that no
        // one answers at is taken over.
        struct stat status{};
        const int alive = Connect(SocketPath);
        if (alive >= 0)
            ::close(alive);
        else if (::lstat(SocketPath.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
                 ::unlink(SocketPath.c_str()) == 0)
            bound = bind();
    }
    if (!bound || ::chmod(SocketPath.c_str(), 0600) != 0 || ::listen(socket, 4) != 0)
    {
        ::close(socket);
        return false;
    }
    Listener = socket;
    Notifier = new QSocketNotifier(Listener, QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] { Serve(); });
    return true;
}

void RInstanceChannel::Serve()
{
    for (;;)
    {
        const int caller = ::accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (caller < 0)
            return;
        std::string line;
        RInstanceRequest request{};
        const bool understood = ReadLine(caller, line, LineWaitMs) && ParseInstanceRequest(line, request) &&
                                WriteAll(caller, "ok\n");
        ::close(caller);
        if (understood)
            emit Requested(request);
    }
}

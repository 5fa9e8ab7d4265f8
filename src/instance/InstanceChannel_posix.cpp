#include "instance/InstanceChannel.h"

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

// The session's runtime folder, private to the user by its definition;
// otherwise a folder of the user's own in the temporary folder, trusted
// only when it is a real folder of this user's that nobody else may enter.
// Empty when there is none to be had.
std::string PrivateFolder()
{
    // FIXME: a start with XDG_RUNTIME_DIR and one without it on the same
    // display meet in different folders and do not find each other; and a
    // folder in /tmp taken by another user leaves the program without a
    // channel, silently.
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
// LongestInstanceRequest bytes, a closed peer or the time running out.
bool ReadLine(int socket, std::string& line, int waitMs)
{
    line.clear();
    char c = 0;
    while (line.size() <= LongestInstanceRequest)
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

struct RInstanceChannel::RState
{
    std::string SocketPath;
    int Listener = -1;
    RReceiver Receiver;
};

RInstanceChannel::RInstanceChannel(const std::string& display) : State(std::make_unique<RState>())
{
    const std::string folder = PrivateFolder();
    if (!folder.empty())
        State->SocketPath = folder + '/' + InstanceChannelName(display);
}

RInstanceChannel::~RInstanceChannel()
{
    if (State->Listener >= 0)
    {
        ::close(State->Listener);
        ::unlink(State->SocketPath.c_str());
    }
}

bool RInstanceChannel::HandOver(RInstanceRequest request) const
{
    const int socket = Connect(State->SocketPath);
    if (socket < 0)
        return false;
    std::string answer;
    const bool taken = WriteAll(socket, InstanceRequestLine(request)) &&
                       ReadLine(socket, answer, InstanceAnswerWaitMs) && answer == InstanceRequestTaken;
    ::close(socket);
    return taken;
}

bool RInstanceChannel::Listen()
{
    const std::string& path = State->SocketPath;
    sockaddr_un address;
    if (State->Listener >= 0 || !Address(path, address))
        return State->Listener >= 0;
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
        const int alive = Connect(path);
        if (alive >= 0)
            ::close(alive);
        else if (::lstat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) && ::unlink(path.c_str()) == 0)
            bound = bind();
    }
    if (!bound || ::chmod(path.c_str(), 0600) != 0 || ::listen(socket, 4) != 0)
    {
        ::close(socket);
        return false;
    }
    State->Listener = socket;
    return true;
}

void RInstanceChannel::OnRequest(RReceiver receiver)
{
    State->Receiver = std::move(receiver);
}

bool RInstanceChannel::Receive(const void*)
{
    return false;
}

int RInstanceChannel::WatchedSocket() const
{
    return State->Listener;
}

void RInstanceChannel::Serve()
{
    for (;;)
    {
        const int caller = ::accept4(State->Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (caller < 0)
            return;
        std::string line;
        RInstanceRequest request{};
        const bool understood = ReadLine(caller, line, InstanceLineWaitMs) && ParseInstanceRequest(line, request) &&
                                WriteAll(caller, std::string(InstanceRequestTaken) + "\n");
        ::close(caller);
        if (understood && State->Receiver)
            State->Receiver(request);
    }
}

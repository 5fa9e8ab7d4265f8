#include "instance/InstanceChannel.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// A real folder of this user's that nobody else may enter.
bool IsPrivateFolder(const std::string& folder)
{
    struct stat status{};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & 077) == 0;
}

// The first private folder of the candidates, the one in the temporary
// folder made when it comes to that; empty when there is none to be had.
std::string PrivateFolder(const std::vector<std::string>& candidates)
{
    for (const std::string& folder : candidates)
    {
        if (&folder == &candidates.back())
            ::mkdir(folder.c_str(), 0700);
        if (IsPrivateFolder(folder))
            return folder;
    }
    return {};
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

// A socket connected to path, or -1 with the reason in errno: no one
// listens there (ECONNREFUSED, ENOENT), or someone does but takes no calls
// (EAGAIN: the queue of callers is full). It never waits.
int Connect(const std::string& path)
{
    sockaddr_un address;
    if (!Address(path, address))
    {
        errno = ENOENT;
        return -1;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    {
        const int reason = errno;
        ::close(socket);
        errno = reason;
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
    std::string Problem;
    int Listener = -1;
    RReceiver Receiver;
};

RInstanceChannel::RInstanceChannel(const std::string& display) : State(std::make_unique<RState>())
{
    const std::vector<std::string> candidates = InstanceFolderCandidates(std::getenv("XDG_RUNTIME_DIR"), ::getuid());
    const std::string folder = PrivateFolder(candidates);
    if (!folder.empty())
        State->SocketPath = folder + '/' + InstanceChannelName(display);
    else
        State->Problem = InstanceNoFolderNotice(candidates.back());
}

RInstanceChannel::~RInstanceChannel()
{
    if (State->Listener >= 0)
    {
        ::close(State->Listener);
        ::unlink(State->SocketPath.c_str());
    }
}

RHandOver RInstanceChannel::HandOver(const RInstanceCall& call) const
{
    const int socket = Connect(State->SocketPath);
    if (socket < 0)
        return errno == EAGAIN ? RHandOver::NoAnswer : RHandOver::NoneRunning;
    std::string answer;
    const bool taken = WriteAll(socket, InstanceRequestLine(call)) &&
                       ReadLine(socket, answer, InstanceAnswerWaitMs) && answer == InstanceRequestTaken;
    ::close(socket);
    return taken ? RHandOver::Taken : RHandOver::NoAnswer;
}

std::string RInstanceChannel::Problem() const
{
    return State->Problem;
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
        // Left over, or someone is alive there (answering or too busy to
        // take calls): only a socket file that no one listens at is taken over.
        struct stat status{};
        const int alive = Connect(path);
        if (alive >= 0)
            ::close(alive);
        else if (errno != EAGAIN && ::lstat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
                 ::unlink(path.c_str()) == 0)
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
        RInstanceCall call;
        const bool understood = ReadLine(caller, line, InstanceLineWaitMs) && ParseInstanceRequest(line, call) &&
                                WriteAll(caller, std::string(InstanceRequestTaken) + "\n");
        ::close(caller);
        if (understood && State->Receiver)
            State->Receiver(call);
    }
}

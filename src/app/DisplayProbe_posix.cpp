#include "app/DisplayProbe.h"

#include <xcb/xcb.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether something listens at a local socket: path, or with abstract set
// the name in the abstract namespace the X server also listens in.
bool SocketAnswers(const std::string& path, bool abstract)
{
    sockaddr_un address{};
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(socket);
    return answers;
}

// The number of a local display (":0", ":1.0", "unix:2"); -1 for any other.
int LocalDisplayNumber(std::string_view display)
{
    if (display.substr(0, 5) == "unix:")
        display.remove_prefix(4);
    if (display.empty() || display.front() != ':' || display.size() < 2)
        return -1;
    int number = 0;
    std::size_t at = 1;
    for (; at < display.size() && display[at] >= '0' && display[at] <= '9' && at < 8; ++at)
        number = number * 10 + (display[at] - '0');
    if (at == 1 || (at < display.size() && display[at] != '.'))
        return -1;
    return number;
}

bool XServerAnswers(const std::string& given)
{
    const std::string display = given.empty() ? Environment("DISPLAY") : given;
    // A local server is asked only whether it listens, which costs no
    // connection of the protocol's own: the program's start pays for one
    // connection, the toolkit's.
    if (const int number = LocalDisplayNumber(display); number >= 0)
    {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        return SocketAnswers(socket, true) || SocketAnswers(socket, false);
    }
    xcb_connection_t* connection = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// The compositor's socket: WAYLAND_DISPLAY as a path, or a name in
// XDG_RUNTIME_DIR ("wayland-0" when unset), as the client library finds it.
bool WaylandCompositorAnswers()
{
    if (!Environment("WAYLAND_SOCKET").empty())
        return true;
    std::string path = Environment("WAYLAND_DISPLAY");
    if (path.empty())
        path = "wayland-0";
    if (path.front() != '/')
    {
        const std::string runtime = Environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

bool PlatformStarts(std::string_view name, const std::string& display)
{
    if (name == "xcb")
        return XServerAnswers(display);
    if (name.substr(0, 7) == "wayland")
        return WaylandCompositorAnswers();
    // offscreen, minimal, vnc, eglfs, linuxfb: no display server to ask.
    return true;
}

} // namespace

bool DisplayAvailable(const std::string& platform, const std::string& display, std::string& reason)
{
    std::string platforms = platform.empty() ? Environment("QT_QPA_PLATFORM") : platform;
    // The toolkit's default: X11, with Wayland first in a Wayland session.
    if (platforms.empty())
        platforms = Environment("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    // A list is tried in order, as the toolkit does; a name may carry
    // its own options after a colon.
    std::string_view rest = platforms;
    while (!rest.empty())
    {
        const std::size_t separator = rest.find(';');
        const std::string_view entry = rest.substr(0, separator);
        if (!entry.empty() && PlatformStarts(entry.substr(0, entry.find(':')), display))
            return true;
        rest.remove_prefix(separator == std::string_view::npos ? rest.size() : separator + 1);
    }
    reason = "no display to show the window on (DISPLAY=" + (display.empty() ? Environment("DISPLAY") : display) +
             ", WAYLAND_DISPLAY=" + Environment("WAYLAND_DISPLAY") + ", platform " + platforms + ")";
    return false;
}

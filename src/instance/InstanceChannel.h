#pragma once

#include "instance/InstanceRequest.h"

#include <functional>
#include <memory>
#include <string>

// Where a later start of the program finds the one already running for the
// same user and display, and hands it its request (InstanceRequest.h). On
// POSIX a local socket, only this user's, in the session's runtime folder
// (or a private folder of the user's in the temporary folder), named after
// the display; on Windows a name claimed in the user's session, and the
// running main window's WM_COPYDATA. A channel left by an instance that
// ended without closing it never blocks a start.
class RInstanceChannel
{
public:
    using RReceiver = std::function<void(const RInstanceCall& call)>;

    // The channel of display (the display's name, which tells one user's
    // sessions apart on POSIX; unused on Windows, where the session does).
    explicit RInstanceChannel(const std::string& display);
    ~RInstanceChannel();
    RInstanceChannel(const RInstanceChannel&) = delete;
    RInstanceChannel& operator=(const RInstanceChannel&) = delete;

    // Hands call to the running instance, waiting for its answer no
    // longer than InstanceAnswerWaitMs.
    RHandOver HandOver(const RInstanceCall& call) const;
    // Why there is no private place to meet in, for standard error (every
    // start then runs on its own); empty where there is one.
    std::string Problem() const;
    // Becomes the instance later starts reach; false when the channel cannot
    // be had (another holds it, or the system refuses): the program may
    // then run on its own.
    bool Listen();
    // Where the requests go from now on, each once its sender has had its
    // answer, from the event loop.
    void OnRequest(RReceiver receiver);

    // POSIX: the socket the event loop watches for callers while listening,
    // -1 otherwise; when it is ready, Serve answers every caller waiting.
    // (On Windows requests come as the main window's messages: -1.)
    int WatchedSocket() const;
    void Serve();
    // Windows: the running main window's WM_COPYDATA (lParam), handed over
    // whole; true when it carried a request, which then goes to the
    // receiver. Elsewhere requests come by the socket, and this is false.
    static bool Receive(const void* message);

private:
    struct RState;
    std::unique_ptr<RState> State;
};

// The class of the program's main window on Windows, by which a later
// start finds the running one.
inline constexpr const char* MainWindowClass = "TTWMainForm";

// The window, or the running instance's: a start that finds the program
// running hands its request over and ends. True when this process is to
// show the window; notice then says why it runs alone where it should not
// (empty otherwise), for standard error.
bool BecomeTheInstance(RInstanceChannel& channel, const RInstanceCall& call, std::string& notice);

#pragma once

#include <string>
#include <string_view>
#include <vector>

// One Tintwell per user and display: a later start hands its request to the
// running one and ends. What travels, and how long each side waits for the
// other, is the same over every platform's channel (InstanceChannel.h).
enum class RInstanceRequest
{
    Show, // come forward
    Pick, // come forward and start sampling
};

// A request and the start's token from its launcher (an X11 startup id, a
// Wayland activation token; empty for none), with which the running window
// ends the launcher's busy cursor and may take the focus.
struct RInstanceCall
{
    RInstanceRequest Request = RInstanceRequest::Show;
    std::string StartupToken;
};

// A request is a word, then a space and the token where there is one: at
// most this many printable characters, no spaces. Anything longer is no
// request.
inline constexpr std::size_t LongestStartupToken = 400;
inline constexpr std::size_t LongestInstanceRequest = 5 + LongestStartupToken;
// How long the running one waits for a caller's line, and a caller for the
// running one's answer: it may be busy painting, but a user waits for the
// window no longer than this before a start goes on alone.
inline constexpr int InstanceLineWaitMs = 500;
inline constexpr int InstanceAnswerWaitMs = 2000;

// What handing a request over came to.
enum class RHandOver
{
    Taken,       // the running one read it
    NoneRunning, // no one is there: this start may become the instance
    NoAnswer,    // someone holds the channel but did not answer in time (frozen, stopped, or not us)
};
// The running one's answer: it read the request, not that it is done.
inline constexpr const char* InstanceRequestTaken = "ok";

// The call's line, newline included; a token that could not travel (too
// long, a space or a control character in it) is left off.
std::string InstanceRequestLine(const RInstanceCall& call);
// One line, its newline taken off; false for anything else.
bool ParseInstanceRequest(std::string_view line, RInstanceCall& call);

// The folders the meeting point may lie in, best first: the session's
// runtime folder (runtimeFolder, the environment's, when it is a path), the
// user's runtime folder where the system makes one, which a start without
// the environment's folder must find too, and a folder of the user's own in
// the temporary folder. The first that is a real folder of the user's that
// nobody else may enter is used.
std::vector<std::string> InstanceFolderCandidates(const char* runtimeFolder, unsigned user);

// What a start says on standard error when it runs alone though it should
// not: the running one did not answer, or there is no private folder to
// meet in (the folder in the temporary folder taken by another user).
inline constexpr const char* InstanceNoAnswerNotice =
    "the Tintwell already running did not answer; starting another one";
std::string InstanceNoFolderNotice(const std::string& lastFolder);
inline constexpr const char* InstanceNoNameNotice =
    "the session refused Tintwell's name for its running window; running without single-instance";

// The name of the running instance's meeting point for display (":0",
// "wayland-0", a path): the display's name made safe for a file name, so
// that each display has its own.
std::string InstanceChannelName(std::string_view display);

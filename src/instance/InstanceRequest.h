#pragma once

#include <string>
#include <string_view>

// One Tintwell per user and display: a later start hands its request to the
// running one and ends. What travels, and how long each side waits for the
// other, is the same over every platform's channel (InstanceChannel.h).
enum class RInstanceRequest
{
    Show, // come forward
    Pick, // come forward and start sampling
};

// A request is a word; anything longer than this is no request.
inline constexpr std::size_t LongestInstanceRequest = 16;
// How long the running one waits for a caller's line, and a caller for the
// running one's answer: it may be busy painting.
inline constexpr int InstanceLineWaitMs = 500;
inline constexpr int InstanceAnswerWaitMs = 3000;
// The running one's answer: it read the request, not that it is done.
inline constexpr const char* InstanceRequestTaken = "ok";

// The request's line, newline included.
std::string InstanceRequestLine(RInstanceRequest request);
// One line, its newline taken off; false for anything else.
bool ParseInstanceRequest(std::string_view line, RInstanceRequest& request);

// The name of the running instance's meeting point for display (":0",
// "wayland-0", a path): the display's name made safe for a file name, so
// that each display has its own.
std::string InstanceChannelName(std::string_view display);

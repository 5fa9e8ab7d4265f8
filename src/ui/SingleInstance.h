#pragma once

#include <string>
#include <string_view>

// One Tintwell per user and display: a later start hands its request to the
// running one and ends. The request travels as one short line.
enum class RInstanceRequest
{
    Show, // come forward
    Pick, // come forward and start sampling
};

// The request's line, newline included.
std::string InstanceRequestLine(RInstanceRequest request);
// One line, its newline taken off; false for anything else.
bool ParseInstanceRequest(std::string_view line, RInstanceRequest& request);

// The name of the running instance's meeting point for display (":0",
// "wayland-0", a path): the display's name made safe for a file name, so
// that each display has its own.
std::string InstanceChannelName(std::string_view display);

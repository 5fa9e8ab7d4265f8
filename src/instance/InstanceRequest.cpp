#include "instance/InstanceRequest.h"

#include <algorithm>

namespace
{

bool TravelsAsToken(std::string_view token)
{
    return !token.empty() && token.size() <= LongestStartupToken &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c <= '~'; });
}

} // namespace

std::string InstanceRequestLine(const RInstanceCall& call)
{
    std::string line = call.Request == RInstanceRequest::Pick ? "pick" : "show";
    if (TravelsAsToken(call.StartupToken))
        line += ' ' + call.StartupToken;
    return line + '\n';
}

bool ParseInstanceRequest(std::string_view line, RInstanceCall& call)
{
    const std::size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    const std::string_view token = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    if ((word != "pick" && word != "show") || (space != std::string_view::npos && !TravelsAsToken(token)))
        return false;
    call = {word == "pick" ? RInstanceRequest::Pick : RInstanceRequest::Show, std::string(token)};
    return true;
}

std::string InstanceChannelName(std::string_view display)
{
    // ":0" and ":0.0" are one display: the screen number does not count.
    const std::size_t colon = display.rfind(':');
    if (colon != std::string_view::npos)
    {
        const std::size_t dot = display.find('.', colon);
        if (dot != std::string_view::npos)
            display = display.substr(0, dot);
    }
    std::string name = "tintwell-";
    for (const char c : display)
    {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '_' || c == '.';
        name += safe ? c : '_';
    }
    return name;
}

std::vector<std::string> InstanceFolderCandidates(const char* runtimeFolder, unsigned user)
{
    std::vector<std::string> folders;
    const std::string own = "/run/user/" + std::to_string(user);
    if (runtimeFolder != nullptr && runtimeFolder[0] == '/' && own != runtimeFolder)
        folders.emplace_back(runtimeFolder);
    folders.push_back(own);
    folders.push_back("/tmp/tintwell-" + std::to_string(user));
    return folders;
}

std::string InstanceNoFolderNotice(const std::string& lastFolder)
{
    return "no private folder to meet other starts in (" + lastFolder +
           " is not this user's alone); running without single-instance";
}

#include "instance/StartupNotification.h"

#include <algorithm>

std::vector<RStartupInfoPiece> StartupRemovePieces(const std::string& id)
{
    std::string value = id;
    if (value.find_first_of("\"\\ ") != std::string::npos)
    {
        value = "\"";
        for (const char c : id)
        {
            if (c == '"' || c == '\\')
                value += '\\';
            value += c;
        }
        value += '"';
    }
    const std::string message = "remove: ID=" + value + '\0';
    std::vector<RStartupInfoPiece> pieces;
    for (std::size_t at = 0; at < message.size(); at += RStartupInfoPiece().size())
    {
        RStartupInfoPiece piece{};
        const std::size_t length = std::min(piece.size(), message.size() - at);
        std::copy_n(message.begin() + static_cast<std::ptrdiff_t>(at), length, piece.begin());
        pieces.push_back(piece);
    }
    return pieces;
}

#pragma once

#include <array>
#include <string>
#include <vector>

// The message that ends a launcher's startup sequence (its busy cursor) on
// X11, for a start that handed its request to the running window: the text
// "remove: ID=" and the id, quoted where it holds a quote or a backslash,
// then a NUL, cut into the 20-byte pieces that client messages carry (the
// last padded with NULs). The first piece goes as _NET_STARTUP_INFO_BEGIN,
// the rest as _NET_STARTUP_INFO.
using RStartupInfoPiece = std::array<char, 20>;
std::vector<RStartupInfoPiece> StartupRemovePieces(const std::string& id);

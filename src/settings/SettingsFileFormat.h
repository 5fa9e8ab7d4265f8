#pragma once

#include "files/RFileName.h"
#include "settings/SettingsReader.h"
#include "text/RString.h"

#include <cstdint>

// The settings file: 32-bit little-endian integers and length-prefixed texts,
// nothing else. After the signature come (TagSection, section) pairs, one
// per profile; a section is its name, then any mix of (TagSection, child)
// and (TagVariable, name, value), then TagEnd.
namespace SettingsFileFormat
{

inline constexpr std::int32_t Signature = 20010807;
inline constexpr std::int32_t TagSection = 1000;
inline constexpr std::int32_t TagVariable = 1001;
inline constexpr std::int32_t TagEnd = 1002;
// A text is stored as its length plus one, its characters and a zero byte.
inline constexpr int MaxTextLength = 262144;
// Sections nested deeper than this, profiles included, count as damage: the
// reader recurses, and no settings of ours come anywhere near it.
inline constexpr int MaxDepth = 1000;

// True only when all four bytes moved.
bool ReadInt32(RSettingsReader& file, std::int32_t& value);
bool WriteInt32(RFileName& file, std::int32_t value);
// A stored length outside 1..MaxTextLength + 1, or fewer bytes than it
// announces, is false. The text ends at the first zero byte.
bool ReadText(RSettingsReader& file, RString& text);
// Cuts text to MaxTextLength characters, in memory too, then writes it.
bool WriteText(RFileName& file, RString& text);

} // namespace SettingsFileFormat

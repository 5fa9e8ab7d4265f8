#include "settings/SettingsFileFormat.h"

namespace SettingsFileFormat
{

bool ReadInt32(RSettingsReader& file, std::int32_t& value)
{
    unsigned char bytes[4];
    if (file.Read(bytes, 4) != 4)
        return false;
    // Assembled byte by byte, so the file reads the same on any machine.
    const std::uint32_t bits = std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
                               (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool WriteInt32(RFileName& file, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
        static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    return file.Write(bytes, 4) == 4;
}

bool ReadText(RSettingsReader& file, RString& text)
{
    std::int32_t length = 0;
    if (!ReadInt32(file, length) || length < 1 || length > MaxTextLength + 1)
        return false;
    char* buffer = text.Reserve(length);
    const bool whole = file.Read(buffer, length) == length;
    buffer[whole ? length : 0] = '\0';
    text.ReleaseBuffer();
    return whole;
}

bool WriteText(RFileName& file, RString& text)
{
    text.Truncate(MaxTextLength);
    const std::int32_t length = text.Length() + 1; // with the terminating zero
    return WriteInt32(file, length) && file.Write(text.Text(), length) == length;
}

} // namespace SettingsFileFormat

#pragma once

// Builds settings-file images byte by byte, independently of the writer, so
// that tests can state exactly what a file holds or damage it on purpose.
#include <cstdint>
#include <string>
#include <vector>

class SettingsImage
{
public:
    std::vector<unsigned char> Bytes;

    SettingsImage& Int(std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            Bytes.push_back(static_cast<unsigned char>(bits >> shift));
        return *this;
    }
    // Length with its terminator, the characters, the zero byte.
    SettingsImage& Text(const std::string& text)
    {
        Int(static_cast<std::int32_t>(text.size() + 1));
        Bytes.insert(Bytes.end(), text.begin(), text.end());
        Bytes.push_back(0);
        return *this;
    }
    SettingsImage& Signature() { return Int(20010807); }
    SettingsImage& Section(const std::string& name) { return Int(1000).Text(name); }
    SettingsImage& Variable(const std::string& name, const std::string& value)
    {
        return Int(1001).Text(name).Text(value);
    }
    SettingsImage& End() { return Int(1002); }
    SettingsImage& Raw(const std::vector<unsigned char>& bytes)
    {
        Bytes.insert(Bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
};

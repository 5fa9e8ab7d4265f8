#pragma once

#include <string>
#include <string_view>

// White space as people's pasted texts carry it around a colour.
inline bool IsTextSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// text without the white space at either end.
inline std::string_view TrimmedText(std::string_view text)
{
    while (!text.empty() && IsTextSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTextSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Letters folded to lower case, ASCII only: colour texts are ASCII, and a
// locale's rules must not make "I" and "i" differ from one machine to the
// next.
inline char LowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether text begins with lowerPrefix (written in lower case), in any case.
inline bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
        if (LowerCase(text[i]) != lowerPrefix[i])
            return false;
    return true;
}

// Whether text is lower (written in lower case), in any case.
inline bool EqualsNoCase(std::string_view text, std::string_view lower)
{
    return text.size() == lower.size() && StartsWithNoCase(text, lower);
}

// text in quotes for a message: cut after 40 characters, control characters
// shown as "?", so that a hostile paste cannot break the line it is told in.
inline std::string QuotedForMessage(std::string_view text)
{
    std::string quoted = "'";
    for (const char c : text.substr(0, 40))
        quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return quoted + (text.size() > 40 ? "...'" : "'");
}

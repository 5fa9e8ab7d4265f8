#pragma once

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

#include "text/RString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace
{

// The six characters that isspace takes as white space in the "C" locale.
bool IsAtolSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

RString::RString(const char* text)
{
    if (text != nullptr)
        TheText = text;
}

RString::RString(const char* text, int length)
{
    if (text == nullptr || length <= 0)
        return;
    // memchr stops at the first zero, so a shorter text is never read past.
    const auto* zero = static_cast<const char*>(std::memchr(text, '\0', static_cast<std::size_t>(length)));
    TheText.assign(text, zero != nullptr ? static_cast<std::size_t>(zero - text)
                                         : static_cast<std::size_t>(length));
}

RString::RString(char c)
{
    // A zero character would end the text, so it gives the empty text.
    if (c != '\0')
        TheText.assign(1, c);
}

RString::RString(std::int32_t value)
    : TheText(std::to_string(value))
{
}

RString& RString::Append(const RString& other)
{
    TheText += other.TheText; // safe when other is this text
    return *this;
}

RString& RString::Append(const char* text)
{
    if (text != nullptr)
        TheText += text;
    return *this;
}

RString& RString::Append(char c)
{
    if (c != '\0')
        TheText += c;
    return *this;
}

RString& RString::Format(const char* format, ...)
{
    if (format == nullptr)
    {
        TheText.clear();
        return *this;
    }
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed <= 0)
    {
        // Nothing to print, or a conversion the C library refused.
        TheText.clear();
    }
    else
    {
        TheText.resize(static_cast<std::size_t>(needed));
        std::vsnprintf(TheText.data(), TheText.size() + 1, format, args);
        // A %c of zero would put a zero character inside the text.
        TheText.resize(std::strlen(TheText.c_str()));
    }
    va_end(args);
    return *this;
}

void RString::Truncate(int n)
{
    if (n >= 0 && n < Length())
        TheText.resize(static_cast<std::size_t>(n));
}

void RString::StripLeading(char c)
{
    const std::size_t first = TheText.find_first_not_of(c);
    TheText.erase(0, first == std::string::npos ? TheText.size() : first);
}

void RString::EnsureTrailing(char c)
{
    if (TheText.empty() || TheText.back() != c)
        Append(c);
}

void RString::Trim()
{
    std::size_t end = TheText.size();
    while (end > 0 && IsBlankOrControl(TheText[end - 1]))
        --end;
    std::size_t begin = 0;
    while (begin < end && IsBlankOrControl(TheText[begin]))
        ++begin;
    TheText = TheText.substr(begin, end - begin);
}

char* RString::Reserve(int n)
{
    if (n > Length())
        TheText.resize(static_cast<std::size_t>(n));
    return TheText.data();
}

void RString::ReleaseBuffer()
{
    TheText.resize(std::strlen(TheText.c_str()));
}

int RString::Compare(const RString& other) const
{
    // std::string compares char as unsigned bytes, with the shorter text first
    // when it is a prefix of the longer.
    const int order = TheText.compare(other.TheText);
    return (order > 0) - (order < 0);
}

std::int32_t RString::ToInt() const
{
    const char* p = Text();
    while (IsAtolSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = (*p++ == '-');
    // Unsigned arithmetic wraps where a signed accumulator would be undefined.
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

RString operator+(const char* text, const RString& string)
{
    RString result(text);
    result.Append(string);
    return result;
}

RString operator+(const RString& string, const char* text)
{
    RString result(string);
    result.Append(text);
    return result;
}

RString operator+(const RString& a, const RString& b)
{
    RString result(a);
    result.Append(b);
    return result;
}

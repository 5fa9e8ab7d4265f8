#pragma once

#include <cstdint>
#include <string>

// The program's own text: 8-bit characters without a zero character. Every
// operation leaves a valid text, and Text() never gives a null pointer.
// Comparisons are byte-wise and case-sensitive; nothing depends on a locale.
class RString
{
public:
    RString() = default;
    // A copy of a zero-terminated text; a null pointer gives the empty text.
    RString(const char* text); // NOLINT(google-explicit-constructor): texts pass freely
    // The first length characters of text, or fewer when a zero character or
    // the end comes first; a null pointer or a negative length gives the empty text.
    RString(const char* text, int length);
    // The text of one character.
    explicit RString(char c);
    // The value in decimal, as "%d" prints it.
    explicit RString(std::int32_t value);

    // The characters followed by a terminating zero.
    const char* Text() const { return TheText.c_str(); }
    int Length() const { return static_cast<int>(TheText.size()); }
    bool IsEmpty() const { return TheText.empty(); }

    RString& Append(const RString& other);
    RString& Append(const char* text); // a null pointer appends nothing
    RString& Append(char c);
    RString& operator+=(const RString& other) { return Append(other); }
    RString& operator+=(const char* text) { return Append(text); }
    RString& operator+=(char c) { return Append(c); }

    // Replaces the content with printf-style output of any length.
    RString& Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Cuts the text to its first n characters when it is longer; otherwise,
    // and for a negative n, nothing happens.
    void Truncate(int n);
    // Removes the whole run of c at the start of the text.
    void StripLeading(char c);
    // Appends c unless the text already ends with it; the empty text gets c.
    void EnsureTrailing(char c);
    // Removes every character with a code from 1 to 32 (blanks and control
    // characters) at both ends.
    void Trim();

    // Makes room for at least n characters plus the terminator and gives the
    // writable buffer, for reading a stored text straight into it. The caller
    // writes at most n characters and a terminator, then calls ReleaseBuffer,
    // which ends the text at the first zero character.
    char* Reserve(int n);
    void ReleaseBuffer();

    // Same length and same bytes.
    bool Equals(const RString& other) const { return TheText == other.TheText; }
    bool Differs(const RString& other) const { return !Equals(other); }
    // Negative, zero or positive as this text sorts before, with or after the
    // other, byte by byte as unsigned characters; a proper prefix sorts first.
    int Compare(const RString& other) const;

    // The text read as atol reads it: leading white space, one optional sign,
    // then decimal digits up to the first other character. No digits give 0;
    // overflow wraps modulo 2^32 instead of being undefined.
    std::int32_t ToInt() const;

    friend bool operator==(const RString& a, const RString& b) { return a.Equals(b); }

private:
    std::string TheText;
};

// The text followed by the RString.
RString operator+(const char* text, const RString& string);
RString operator+(const RString& string, const char* text);
RString operator+(const RString& a, const RString& b);

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The table of contents of a compiled HTML help file: its .hhc page, nested
// lists of objects, each with a Name and a Local parameter.

struct RChmContentsEntry
{
    std::string Name;
    // The page it opens, as the file names it ("Overview.htm"); may be empty.
    std::string Local;
    // Index of the entry it is listed under in the same result, -1 at the top.
    int Parent = -1;
};

// The entries in the order the page lists them. Anything that is not a list,
// an object or a parameter is skipped; an object without a name is left out;
// lists closed more often than opened are taken as closed at the top. Never
// fails: a damaged page gives fewer entries.
std::vector<RChmContentsEntry> ParseChmContents(std::string_view page);

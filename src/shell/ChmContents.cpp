#include "shell/ChmContents.h"

#include <cctype>

namespace
{

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// True when text at position at starts with word, in any case.
bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    return true;
}

bool EqualsNoCase(std::string_view text, std::string_view word)
{
    return text.size() == word.size() && StartsWithNoCase(text, 0, word);
}

// The name and value attributes of a <param ...> tag whose text runs from
// the position after "<param" to the closing '>'.
void ReadParam(std::string_view tag, std::string_view& name, std::string_view& value)
{
    std::size_t at = 0;
    while (at < tag.size())
    {
        while (at < tag.size() && IsSpace(tag[at]))
            ++at;
        const std::size_t keyStart = at;
        while (at < tag.size() && !IsSpace(tag[at]) && tag[at] != '=')
            ++at;
        const std::string_view key = tag.substr(keyStart, at - keyStart);
        if (at >= tag.size() || tag[at] != '=')
        {
            ++at;
            continue;
        }
        // Only double-quoted values: the contents writers all quote them so.
        if (++at >= tag.size() || tag[at] != '"')
            continue;
        const std::size_t valueStart = ++at;
        const std::size_t valueEnd = tag.find('"', valueStart);
        if (valueEnd == std::string_view::npos)
            return;
        const std::string_view text = tag.substr(valueStart, valueEnd - valueStart);
        if (EqualsNoCase(key, "name"))
            name = text;
        else if (EqualsNoCase(key, "value"))
            value = text;
        at = valueEnd + 1;
    }
}

} // namespace

std::vector<RChmContentsEntry> ParseChmContents(std::string_view page)
{
    std::vector<RChmContentsEntry> entries;
    // Each open list holds the entry it was opened under; the outermost is
    // the top (-1). A list opened before any entry is also the top.
    std::vector<int> lists{-1};
    int last = -1;
    std::string name, local;
    for (std::size_t at = page.find('<'); at != std::string_view::npos; at = page.find('<', at + 1))
    {
        if (StartsWithNoCase(page, at, "<ul>"))
            lists.push_back(last);
        else if (StartsWithNoCase(page, at, "</ul>"))
        {
            if (lists.size() > 1)
                lists.pop_back();
        }
        else if (StartsWithNoCase(page, at, "</object>"))
        {
            if (!name.empty())
            {
                entries.push_back({std::move(name), std::move(local), lists.back()});
                last = static_cast<int>(entries.size()) - 1;
            }
            name.clear();
            local.clear();
        }
        else if (StartsWithNoCase(page, at, "<param") && at + 6 < page.size() && IsSpace(page[at + 6]))
        {
            const std::size_t end = page.find('>', at);
            const std::string_view tag =
                page.substr(at + 6, (end == std::string_view::npos ? page.size() : end) - (at + 6));
            std::string_view key, value;
            ReadParam(tag, key, value);
            if (EqualsNoCase(key, "name"))
                name = value;
            else if (EqualsNoCase(key, "local"))
                local = value;
        }
    }
    return entries;
}

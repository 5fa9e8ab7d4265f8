#include "shell/EnvironmentReferences.h"

#include <cstdlib>
#include <string>
#include <string_view>

RString ExpandEnvironmentReferences(const RString& text)
{
    const std::string_view source(text.Text());
    RString result;
    std::size_t at = 0;
    while (at < source.size())
    {
        const std::size_t open = source.find('%', at);
        const std::size_t close =
            open == std::string_view::npos ? open : source.find('%', open + 1);
        if (close == std::string_view::npos)
        {
            result.Append(RString(source.data() + at, static_cast<int>(source.size() - at)));
            break;
        }
        result.Append(RString(source.data() + at, static_cast<int>(open - at)));
        const std::string name(source.substr(open + 1, close - open - 1));
        const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
        if (value != nullptr)
        {
            result.Append(value);
            at = close + 1;
        }
        else
        {
            // Keep "%NAME" and look again from the closing "%", which may
            // open a reference of its own.
            result.Append(RString(source.data() + open, static_cast<int>(close - open)));
            at = close;
        }
    }
    return result;
}

#include "settings/UserFormats.h"

#include "colour/ColorNotation.h"
#include "colour/TextScan.h"
#include "files/RFileName.h"
#include "settings/SettingsFolder.h"
#include "shell/ShellOpen.h"

#include <algorithm>

namespace
{

constexpr const char* FileName = "formats.txt";
// Far more than anyone writes by hand; a file beyond it is read that far.
constexpr std::int32_t LargestFile = 256 * 1024;
constexpr std::size_t LongestName = 60;

bool SameName(std::string_view one, std::string_view other)
{
    return one.size() == other.size() &&
           std::equal(one.begin(), one.end(), other.begin(),
                      [](char a, char b) { return LowerCase(a) == LowerCase(b); });
}

std::string Where(std::size_t line, std::size_t column)
{
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

RUserFormat FormOfLine(std::string_view line, std::size_t number, const std::vector<RUserFormat>& earlier)
{
    RUserFormat form;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
    {
        form.Name = std::string(TrimmedText(line).substr(0, LongestName));
        form.Problem = Where(number, 1) + "no '=' between a name and its template";
        return form;
    }
    const std::string_view name = TrimmedText(line.substr(0, equals));
    form.Name = std::string(name.substr(0, LongestName));
    const std::size_t nameColumn = static_cast<std::size_t>(name.data() - line.data()) + 1;
    if (name.empty())
    {
        form.Problem = Where(number, 1) + "a name is missing before '='";
        return form;
    }
    if (name.size() > LongestName)
    {
        form.Problem = Where(number, nameColumn) + "the name is longer than " + std::to_string(LongestName) +
                       " characters";
        return form;
    }
    if (FindColorNotation(name) != nullptr)
    {
        form.Problem = Where(number, nameColumn) + QuotedForMessage(name) + " is a built-in form's name";
        return form;
    }
    for (const RUserFormat& other : earlier)
        if (SameName(other.Name, name))
        {
            form.Problem = Where(number, nameColumn) + QuotedForMessage(name) + " is named on an earlier line";
            return form;
        }
    std::string_view text = line.substr(equals + 1);
    while (!text.empty() && IsTextSpace(text.front()))
        text.remove_prefix(1);
    text = TrimmedText(text);
    const std::size_t textColumn = static_cast<std::size_t>(text.data() - line.data());
    std::string problem;
    std::size_t column = 0;
    form.Template = RColorTemplate::Read(text, problem, column);
    if (!form.Template)
        form.Problem = Where(number, textColumn + column) + problem;
    return form;
}

} // namespace

std::vector<RUserFormat> ReadUserFormats(std::string_view text)
{
    // A byte-order mark some editors write leads no name.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<RUserFormat> forms;
    std::size_t number = 0;
    while (!text.empty())
    {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view content = TrimmedText(line);
        if (content.empty() || content.front() == '#')
            continue;
        forms.push_back(FormOfLine(line, number, forms));
    }
    return forms;
}

bool UserFormatsPath(std::string& path)
{
    RFileName file;
    if (!GetAppDataFolder(file, false, SettingsSubfolder) || !file.SetName(FileName))
        return false;
    path = file.GetPath().Text();
    return true;
}

std::vector<RUserFormat> LoadUserFormats()
{
    std::string path;
    if (!UserFormatsPath(path))
        return {};
    RFileName file(path.c_str());
    if (!file.OpenRead(true))
        return {};
    std::string text(static_cast<std::size_t>(LargestFile), '\0');
    std::int32_t filled = 0;
    for (std::int32_t read; filled < LargestFile && (read = file.Read(text.data() + filled, LargestFile - filled)) > 0;)
        filled += read;
    file.Close();
    text.resize(static_cast<std::size_t>(filled));
    return ReadUserFormats(text);
}

const RUserFormat* FindUserFormat(const std::vector<RUserFormat>& forms, std::string_view name)
{
    const auto found = std::find_if(forms.begin(), forms.end(),
                                    [name](const RUserFormat& form) { return SameName(form.Name, name); });
    return found != forms.end() ? &*found : nullptr;
}

bool EditUserFormats()
{
    std::string path;
    if (!UserFormatsPath(path))
        return false;
    RFileName file(path.c_str());
    if (!file.FileExists())
    {
        if (!file.OpenWrite())
            return false;
        const std::string examples = UserFormatsExamples;
        const bool written = file.Write(examples.data(), static_cast<std::int32_t>(examples.size())) ==
                             static_cast<std::int32_t>(examples.size());
        file.Close();
        if (!written)
            return false;
    }
    return ShellOpen(path.c_str());
}

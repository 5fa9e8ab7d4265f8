// Makes the program's version block from the version list and writes it as a
// C++ source file that places it in its own section of the executable:
//   versionblock VERSION_LIST OUTPUT_CPP
#include "shell/VersionBlock.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

bool ParseVersion(const std::string& text, std::uint16_t (&version)[4])
{
    std::istringstream in(text);
    char dot = '.';
    for (int i = 0; i < 4; ++i)
    {
        unsigned part = 0;
        if ((i > 0 && (!(in >> dot) || dot != '.')) || !(in >> part) || part > 0xFFFF)
            return false;
        version[i] = static_cast<std::uint16_t>(part);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: versionblock VERSION_LIST OUTPUT_CPP\n");
        return 2;
    }
    std::ifstream list(argv[1]);
    RVersionData data;
    std::uint16_t language = 0, codePage = 0;
    RVersionData::StringTable table;
    for (std::string line; std::getline(list, line);)
    {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
        {
            std::fprintf(stderr, "versionblock: not a Name=Value line: %s\n", line.c_str());
            return 1;
        }
        const std::string name = line.substr(0, equals), value = line.substr(equals + 1);
        bool good = true;
        if (name == "FileVersion")
            good = ParseVersion(value, data.FileVersion);
        else if (name == "ProductVersion")
            good = ParseVersion(value, data.ProductVersion);
        else if (name == "Language")
            language = static_cast<std::uint16_t>(std::stoul(value, nullptr, 16));
        else if (name == "CodePage")
            codePage = static_cast<std::uint16_t>(std::stoul(value, nullptr, 16));
        else if (name.rfind("String:", 0) == 0)
            table.Strings.emplace_back(name.substr(7), value);
        else
            good = false;
        if (!good)
        {
            std::fprintf(stderr, "versionblock: bad line: %s\n", line.c_str());
            return 1;
        }
    }
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", language, codePage);
    table.Key = key;
    data.StringTables.push_back(table);
    data.Translations.emplace_back(language, codePage);

    const std::vector<unsigned char> block = BuildVersionBlock(data);
    std::ofstream out(argv[2]);
    out << "// Generated from the version list; do not edit.\n"
           "// The program's version block, in a section of its own so that the\n"
           "// version reader finds it in the executable file.\n"
           "extern const unsigned char TintwellVersionBlock[];\n"
           "__attribute__((section(\""
        << VersionSectionName
        << "\"), used, aligned(4)))\n"
           "const unsigned char TintwellVersionBlock[] = {";
    for (std::size_t i = 0; i < block.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(block[i]) << ",";
    out << "\n};\n";
    return out ? 0 : 1;
}

#include "shell/VersionBlock.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace
{

constexpr std::size_t Align4(std::size_t offset)
{
    return (offset + 3) & ~std::size_t{3};
}

std::uint16_t Word(const unsigned char* at)
{
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

// ---- Writing ---------------------------------------------------------------

class Writer
{
public:
    std::vector<unsigned char> Bytes;

    void Word(std::uint16_t value)
    {
        Bytes.push_back(static_cast<unsigned char>(value));
        Bytes.push_back(static_cast<unsigned char>(value >> 8));
    }
    void DWord(std::uint32_t value)
    {
        Word(static_cast<std::uint16_t>(value));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Pad() { Bytes.resize(Align4(Bytes.size())); }
    // UTF-8 in, UTF-16 out, with the terminating zero; the count of units.
    std::uint16_t Text(std::string_view text)
    {
        std::uint16_t units = 0;
        for (std::size_t i = 0; i < text.size();)
        {
            const auto lead = static_cast<unsigned char>(text[i]);
            const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
            std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
                code = (code << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
            i += static_cast<std::size_t>(extra) + 1;
            if (code >= 0x10000)
            {
                code -= 0x10000;
                Word(static_cast<std::uint16_t>(0xD800 + (code >> 10)));
                Word(static_cast<std::uint16_t>(0xDC00 + (code & 0x3FF)));
                units += 2;
            }
            else
            {
                Word(static_cast<std::uint16_t>(code));
                ++units;
            }
        }
        Word(0);
        return static_cast<std::uint16_t>(units + 1);
    }

    // A node: header, key, padding, the value written by writeValue
    // (returning the value length to record), padding, then the children.
    template <typename Value, typename Children>
    void Node(std::uint16_t type, std::string_view key, Value writeValue, Children writeChildren)
    {
        const std::size_t start = Bytes.size();
        Word(0);
        Word(0);
        Word(type);
        Text(key);
        Pad();
        const std::uint16_t valueLength = writeValue();
        Pad();
        writeChildren();
        const auto length = static_cast<std::uint16_t>(Bytes.size() - start);
        Bytes[start] = static_cast<unsigned char>(length);
        Bytes[start + 1] = static_cast<unsigned char>(length >> 8);
        Bytes[start + 2] = static_cast<unsigned char>(valueLength);
        Bytes[start + 3] = static_cast<unsigned char>(valueLength >> 8);
    }
};

constexpr std::uint16_t BinaryNode = 0;
constexpr std::uint16_t TextNode = 1;

} // namespace

std::vector<unsigned char> BuildVersionBlock(const RVersionData& data)
{
    Writer out;
    auto none = [] { return std::uint16_t{0}; };
    auto versionPair = [](const std::uint16_t (&v)[4], int first)
    { return (std::uint32_t{v[first]} << 16) | v[first + 1]; };
    out.Node(
        BinaryNode, "VS_VERSION_INFO",
        [&]
        {
            out.DWord(0xFEEF04BD); // the fixed part's signature
            out.DWord(0x00010000); // its structure version
            out.DWord(versionPair(data.FileVersion, 0));
            out.DWord(versionPair(data.FileVersion, 2));
            out.DWord(versionPair(data.ProductVersion, 0));
            out.DWord(versionPair(data.ProductVersion, 2));
            out.DWord(data.FileFlagsMask);
            out.DWord(data.FileFlags);
            out.DWord(data.FileOS);
            out.DWord(data.FileType);
            out.DWord(data.FileSubtype);
            out.DWord(0); // no file date
            out.DWord(0);
            return std::uint16_t{52};
        },
        [&]
        {
            out.Node(TextNode, "StringFileInfo", none,
                     [&]
                     {
                         for (const auto& table : data.StringTables)
                             out.Node(TextNode, table.Key, none,
                                      [&]
                                      {
                                          for (const auto& string : table.Strings)
                                              out.Node(TextNode, string.first,
                                                       [&] { return out.Text(string.second); }, [] {});
                                      });
                     });
            if (data.Translations.empty())
                return;
            out.Node(TextNode, "VarFileInfo", none,
                     [&]
                     {
                         out.Node(
                             BinaryNode, "Translation",
                             [&]
                             {
                                 for (const auto& [language, codePage] : data.Translations)
                                     out.DWord(language | (std::uint32_t{codePage} << 16));
                                 return static_cast<std::uint16_t>(4 * data.Translations.size());
                             },
                             [] {});
                     });
        });
    return out.Bytes;
}

// ---- Reading ---------------------------------------------------------------

namespace
{

struct Node
{
    std::size_t Start = 0, End = 0;
    std::size_t KeyStart = 0, KeyUnits = 0;
    std::size_t ValueStart = 0, ValueSize = 0;
    std::size_t ChildrenStart = 0;
    bool IsText = false;
};

// The node at offset, which must lie whole within limit; false when damaged.
bool ReadNode(const unsigned char* block, std::size_t offset, std::size_t limit, Node& node)
{
    if (offset > limit || limit - offset < 6)
        return false;
    const std::uint16_t length = Word(block + offset);
    const std::uint16_t valueLength = Word(block + offset + 2);
    const std::uint16_t type = Word(block + offset + 4);
    if (length < 6 || length > limit - offset)
        return false;
    node.Start = offset;
    node.End = offset + length;
    node.IsText = type == TextNode;
    node.KeyStart = offset + 6;
    std::size_t at = node.KeyStart;
    while (true)
    {
        if (node.End - at < 2)
            return false; // no terminator inside the node
        if (Word(block + at) == 0)
            break;
        at += 2;
    }
    node.KeyUnits = (at - node.KeyStart) / 2;
    node.ValueStart = std::min(Align4(at + 2), node.End);
    node.ValueSize = node.IsText ? std::size_t{valueLength} * 2 : valueLength;
    if (node.ValueSize > node.End - node.ValueStart)
    {
        // Some writers count bytes where units are meant; keep what fits.
        node.ValueSize = node.End - node.ValueStart;
    }
    node.ChildrenStart = std::min(Align4(node.ValueStart + node.ValueSize), node.End);
    return true;
}

bool KeyIs(const unsigned char* block, const Node& node, std::string_view name)
{
    if (node.KeyUnits != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
    {
        const std::uint16_t unit = Word(block + node.KeyStart + 2 * i);
        const auto wanted = static_cast<unsigned char>(name[i]);
        if (unit > 0x7F ? unit != wanted
                        : std::tolower(unit) != std::tolower(wanted))
            return false;
    }
    return true;
}

} // namespace

bool FindVersionValue(const unsigned char* block, std::size_t size, const char* subBlock,
                      RVersionValue& value)
{
    Node node;
    if (block == nullptr || subBlock == nullptr || !ReadNode(block, 0, size, node))
        return false;
    std::string_view path(subBlock);
    while (!path.empty())
    {
        const std::size_t skip = path.find_first_not_of('\\');
        if (skip == std::string_view::npos)
            break;
        path.remove_prefix(skip);
        const std::size_t cut = std::min(path.find('\\'), path.size());
        const std::string_view name = path.substr(0, cut);
        path.remove_prefix(cut);

        bool found = false;
        Node child;
        for (std::size_t at = node.ChildrenStart; !found && at < node.End;)
        {
            if (!ReadNode(block, at, node.End, child))
                return false;
            found = KeyIs(block, child, name);
            at = Align4(child.End);
        }
        if (!found)
            return false;
        node = child;
    }
    value.Data = block + node.ValueStart;
    value.Size = node.ValueSize;
    value.IsText = node.IsText;
    return true;
}

RString VersionText(const RVersionValue& value)
{
    // UTF-16 little-endian to UTF-8, up to the first zero.
    std::string text;
    for (std::size_t i = 0; i + 1 < value.Size; i += 2)
    {
        std::uint32_t code = Word(value.Data + i);
        if (code == 0)
            break;
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < value.Size)
        {
            const std::uint16_t low = Word(value.Data + i + 2);
            if (low >= 0xDC00 && low < 0xE000)
            {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (code < 0x80)
            text += static_cast<char>(code);
        else if (code < 0x800)
        {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
        else if (code < 0x10000)
        {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
        else
        {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return RString(text.c_str());
}

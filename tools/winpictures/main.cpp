// Turns the program's XPM pictures into the files a Windows resource script
// takes, so that both builds draw from one set of sources:
//   winpictures icon OUT.ico SMALL.xpm LARGE.xpm   16 x 16 in 256 colours, 32 x 32 in true colour
//   winpictures bitmap OUT.bmp IN.xpm BITS [RRGGBB] BITS 4 or 24; transparent pixels take RRGGBB
//   winpictures cursor OUT.cur IN.xpm HOTX HOTY     monochrome
// A build-time tool for the machine that builds, not part of the program.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{

constexpr std::uint32_t Transparent = 0xFF000000; // no colour: "None" in the XPM

// Pixels as 0x00RRGGBB, or Transparent; row 0 at the top.
struct Picture
{
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

// The quoted strings of an XPM file, in order; comments are skipped.
std::vector<std::string> QuotedStrings(const std::string& text)
{
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < text.size(); ++at)
    {
        if (text.compare(at, 2, "/*") == 0)
        {
            const std::size_t end = text.find("*/", at + 2);
            if (end == std::string::npos)
                break;
            at = end + 1;
        }
        else if (text[at] == '"')
        {
            const std::size_t end = text.find('"', at + 1);
            if (end == std::string::npos)
                break;
            strings.push_back(text.substr(at + 1, end - at - 1));
            at = end;
        }
    }
    return strings;
}

std::optional<Picture> ReadXpm(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    const std::vector<std::string> strings = QuotedStrings(content.str());
    if (strings.empty())
        return std::nullopt;
    Picture picture;
    int colours = 0, perPixel = 0;
    std::istringstream header(strings[0]);
    if (!(header >> picture.Width >> picture.Height >> colours >> perPixel) || perPixel < 1 ||
        strings.size() < static_cast<std::size_t>(1 + colours + picture.Height))
        return std::nullopt;

    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i)
    {
        const std::string& line = strings[static_cast<std::size_t>(i)];
        const std::string key = line.substr(0, static_cast<std::size_t>(perPixel));
        const std::size_t hash = line.find('#', static_cast<std::size_t>(perPixel));
        palette[key] = hash == std::string::npos ? Transparent
                                                 : static_cast<std::uint32_t>(std::stoul(line.substr(hash + 1, 6), nullptr, 16));
    }
    for (int y = 0; y < picture.Height; ++y)
    {
        const std::string& row = strings[static_cast<std::size_t>(1 + colours + y)];
        for (int x = 0; x < picture.Width; ++x)
        {
            const auto colour = palette.find(row.substr(static_cast<std::size_t>(x * perPixel),
                                                        static_cast<std::size_t>(perPixel)));
            if (colour == palette.end())
                return std::nullopt;
            picture.Pixels.push_back(colour->second);
        }
    }
    return picture;
}

class Bytes
{
public:
    void U8(unsigned value) { Data.push_back(static_cast<char>(value & 0xFF)); }
    void U16(unsigned value) { U8(value), U8(value >> 8); }
    void U32(std::uint32_t value) { U16(value & 0xFFFF), U16(value >> 16); }
    void Pad4(std::size_t rowStart)
    {
        while ((Data.size() - rowStart) % 4 != 0)
            U8(0);
    }
    std::size_t Size() const { return Data.size(); }
    void Append(const Bytes& more) { Data += more.Data; }
    bool Save(const char* path) const
    {
        std::ofstream file(path, std::ios::binary);
        file.write(Data.data(), static_cast<std::streamsize>(Data.size()));
        return static_cast<bool>(file);
    }

private:
    std::string Data;
};

void InfoHeader(Bytes& out, const Picture& picture, int heightFactor, unsigned bits, unsigned paletteSize)
{
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(picture.Width));
    out.U32(static_cast<std::uint32_t>(picture.Height * heightFactor));
    out.U16(1);
    out.U16(bits);
    out.U32(0); // uncompressed
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(paletteSize);
    out.U32(0);
}

void Rgbq(Bytes& out, std::uint32_t rgb)
{
    out.U8(rgb), out.U8(rgb >> 8), out.U8(rgb >> 16), out.U8(0);
}

// Rows bottom-up, each padded to four bytes; pixel gives the value of a pixel
// in the given number of bits.
template <typename PixelValue>
void Rows(Bytes& out, const Picture& picture, unsigned bits, PixelValue pixel)
{
    for (int y = picture.Height - 1; y >= 0; --y)
    {
        const std::size_t start = out.Size();
        unsigned pending = 0, filled = 0;
        for (int x = 0; x < picture.Width; ++x)
        {
            const std::uint32_t value = pixel(picture.At(x, y));
            if (bits >= 8)
            {
                for (unsigned byte = 0; byte < bits / 8; ++byte)
                    out.U8(value >> (8 * byte));
                continue;
            }
            pending = (pending << bits) | value;
            filled += bits;
            if (filled == 8)
                out.U8(pending), pending = 0, filled = 0;
        }
        if (filled != 0)
            out.U8(pending << (8 - filled));
        out.Pad4(start);
    }
}

// The AND mask of an icon or cursor: 1 where the picture is transparent.
void Mask(Bytes& out, const Picture& picture)
{
    Rows(out, picture, 1, [](std::uint32_t colour) { return colour == Transparent ? 1u : 0u; });
}

std::vector<std::uint32_t> PaletteOf(const Picture& picture, std::uint32_t transparentAs)
{
    std::vector<std::uint32_t> palette;
    for (std::uint32_t colour : picture.Pixels)
    {
        const std::uint32_t shown = colour == Transparent ? transparentAs : colour;
        bool known = false;
        for (std::uint32_t entry : palette)
            known = known || entry == shown;
        if (!known)
            palette.push_back(shown);
    }
    return palette;
}

std::uint32_t IndexIn(const std::vector<std::uint32_t>& palette, std::uint32_t colour)
{
    for (std::size_t i = 0; i < palette.size(); ++i)
        if (palette[i] == colour)
            return static_cast<std::uint32_t>(i);
    return 0;
}

// 16 x 16 with a palette of 256 entries, transparent pixels black under the mask.
Bytes SmallIconImage(const Picture& picture)
{
    std::vector<std::uint32_t> palette = PaletteOf(picture, 0);
    palette.resize(256, 0);
    Bytes out;
    InfoHeader(out, picture, 2, 8, 256);
    for (std::uint32_t colour : palette)
        Rgbq(out, colour);
    Rows(out, picture, 8, [&](std::uint32_t colour) { return IndexIn(palette, colour == Transparent ? 0 : colour); });
    Mask(out, picture);
    return out;
}

// 32 bits a pixel, the alpha byte opaque except where the picture is transparent.
Bytes TrueColourIconImage(const Picture& picture)
{
    Bytes out;
    InfoHeader(out, picture, 2, 32, 0);
    Rows(out, picture, 32, [](std::uint32_t colour) { return colour == Transparent ? 0u : colour | 0xFF000000u; });
    Mask(out, picture);
    return out;
}

// A monochrome cursor: black and white pixels, the rest transparent.
Bytes MonochromeImage(const Picture& picture)
{
    Bytes out;
    InfoHeader(out, picture, 2, 1, 2);
    Rgbq(out, 0x000000);
    Rgbq(out, 0xFFFFFF);
    Rows(out, picture, 1, [](std::uint32_t colour) { return colour != Transparent && (colour & 0x808080) ? 1u : 0u; });
    Mask(out, picture);
    return out;
}

struct Entry
{
    const Picture* Of;
    Bytes Image;
    unsigned Colours, PlanesOrHotX, BitsOrHotY;
};

// An icon (type 1) or cursor (type 2) file: a directory, then the images.
Bytes IconFile(unsigned type, const std::vector<Entry>& entries)
{
    Bytes out;
    out.U16(0), out.U16(type), out.U16(static_cast<unsigned>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& entry : entries)
    {
        out.U8(static_cast<unsigned>(entry.Of->Width)), out.U8(static_cast<unsigned>(entry.Of->Height));
        out.U8(entry.Colours), out.U8(0);
        out.U16(entry.PlanesOrHotX), out.U16(entry.BitsOrHotY);
        out.U32(static_cast<std::uint32_t>(entry.Image.Size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(entry.Image.Size());
    }
    for (const Entry& entry : entries)
        out.Append(entry.Image);
    return out;
}

Bytes BitmapFile(const Picture& picture, unsigned bits, std::uint32_t transparentAs)
{
    Bytes body;
    std::vector<std::uint32_t> palette;
    if (bits == 4)
    {
        palette = PaletteOf(picture, transparentAs);
        palette.resize(16, 0);
    }
    InfoHeader(body, picture, 1, bits, static_cast<unsigned>(palette.size()));
    for (std::uint32_t colour : palette)
        Rgbq(body, colour);
    Rows(body, picture, bits, [&](std::uint32_t colour)
         {
             const std::uint32_t shown = colour == Transparent ? transparentAs : colour;
             return bits == 4 ? IndexIn(palette, shown) : shown;
         });
    Bytes out;
    out.U8('B'), out.U8('M');
    out.U32(static_cast<std::uint32_t>(14 + body.Size()));
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(14 + 40 + 4 * palette.size()));
    out.Append(body);
    return out;
}

int Fail(const std::string& why)
{
    std::cerr << "winpictures: " << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 3)
        return Fail("usage: winpictures icon|bitmap|cursor OUT IN...");
    std::vector<Picture> pictures;
    for (std::size_t i = 2; i < args.size() && args[i].ends_with(".xpm"); ++i)
    {
        std::optional<Picture> picture = ReadXpm(args[i].c_str());
        if (!picture)
            return Fail("cannot read " + args[i]);
        pictures.push_back(*picture);
    }
    Bytes out;
    if (args[0] == "icon" && pictures.size() == 2 && pictures[0].Width == 16 && pictures[1].Width == 32)
    {
        const std::size_t colours = PaletteOf(pictures[0], 0).size();
        if (colours > 256)
            return Fail("the small icon has more than 256 colours");
        out = IconFile(1, {{&pictures[0], SmallIconImage(pictures[0]), 0, 1, 8},
                           {&pictures[1], TrueColourIconImage(pictures[1]), 0, 1, 32}});
    }
    else if (args[0] == "bitmap" && pictures.size() == 1 && args.size() >= 4)
    {
        const unsigned bits = static_cast<unsigned>(std::stoul(args[3]));
        const std::uint32_t transparentAs = args.size() > 4 ? static_cast<std::uint32_t>(std::stoul(args[4], nullptr, 16)) : 0xFFFFFF;
        if (bits != 4 && bits != 24)
            return Fail("bitmaps have 4 or 24 bits a pixel");
        if (bits == 4 && PaletteOf(pictures[0], transparentAs).size() > 16)
            return Fail("more than 16 colours for a 4-bit bitmap");
        out = BitmapFile(pictures[0], bits, transparentAs);
    }
    else if (args[0] == "cursor" && pictures.size() == 1 && args.size() == 5)
    {
        out = IconFile(2, {{&pictures[0], MonochromeImage(pictures[0]), 2, static_cast<unsigned>(std::stoul(args[3])),
                            static_cast<unsigned>(std::stoul(args[4]))}});
    }
    else
    {
        return Fail("unknown kind or wrong pictures for " + args[0]);
    }
    return out.Save(args[1].c_str()) ? 0 : Fail("cannot write " + args[1]);
}

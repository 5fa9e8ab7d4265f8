// Writes the hue/saturation plane, as the renderer draws it, as C++ source to
// be built into the program, so that its pixels are made once at build time
// instead of at every start:
//   planepixels OUTPUT.cpp
#include "ui/RSwatchRenderer.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: planepixels OUTPUT.cpp\n");
        return 2;
    }
    RSwatchRenderer renderer;
    const RSwatchPicture& picture = renderer.Render(RColor(0)); // the plane is the same for every colour
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr)
        return 1;
    const RSwatchLayout& layout = picture.Layout;
    std::fprintf(out, "// Made by tools/planepixels from the renderer; do not edit.\n"
                      "#include \"ui/PrecomputedPlane.h\"\n\nnamespace\n{\n\n"
                      "constexpr ColorValue Pixels[%d] = {\n",
                 layout.PlaneWidth * layout.PlaneHeight);
    for (int y = 0; y < layout.PlaneHeight; ++y)
    {
        std::fputs("   ", out);
        for (int x = 0; x < layout.PlaneWidth; ++x)
            std::fprintf(out, " 0x%06X,", static_cast<unsigned>(picture.PlanePixel(x, y)));
        std::fputs("\n", out);
    }
    std::fprintf(out, "};\n\n} // namespace\n\n"
                      "const RPrecomputedPlane& BuiltPlane()\n{\n"
                      "    static const RPrecomputedPlane plane{{%d, %d, %d, %d}, Pixels, 0x%06XU};\n"
                      "    return plane;\n}\n",
                 layout.PlaneWidth, layout.PlaneHeight, layout.BarWidth, layout.BarHeight,
                 static_cast<unsigned>(renderer.AfterPlaneColor()));
    return std::fclose(out) == 0 ? 0 : 1;
}

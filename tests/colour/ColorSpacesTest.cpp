// The colour spaces against values published with each space's definition
// (the sRGB, display-p3, Adobe RGB, ProPhoto and BT.2020 primaries in XYZ,
// the OKLab definition's own table, the CIE Lab formulas worked by hand),
// and the gamut mapping into sRGB against its own steps.
#include "colour/ColorSpaces.h"
#include "colour/CssColor.h"
#include "colour/GamutMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

void ExpectNear(const RColorCoords& got, const RColorCoords& want, double tolerance, const char* what)
{
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], tolerance) << what << " [" << i << "]";
}

} // namespace

// Each space's red, green and blue primaries (full in one channel) in XYZ,
// the columns of the matrices the standards print to four places.
TEST(ColorSpaces, PrimariesLandOnTheirPublishedXyz)
{
    const struct
    {
        const char* Name;
        RColorSpace Space;
        RColorCoords Red, Green, Blue; // XYZ, D65 unless D50 says otherwise
        bool D50;
    } spaces[] = {
        {"srgb", RColorSpace::Srgb, {0.4124, 0.2126, 0.0193}, {0.3576, 0.7152, 0.1192}, {0.1805, 0.0722, 0.9505}, false},
        {"display-p3", RColorSpace::DisplayP3, {0.4866, 0.2290, 0.0}, {0.2657, 0.6917, 0.0451},
         {0.1982, 0.0793, 1.0439}, false},
        {"a98-rgb", RColorSpace::A98Rgb, {0.5767, 0.2973, 0.0270}, {0.1856, 0.6274, 0.0707},
         {0.1882, 0.0753, 0.9911}, false},
        {"rec2020", RColorSpace::Rec2020, {0.6370, 0.2627, 0.0}, {0.1446, 0.6780, 0.0281},
         {0.1689, 0.0593, 1.0610}, false},
        {"prophoto-rgb", RColorSpace::ProPhotoRgb, {0.7977, 0.2880, 0.0}, {0.1352, 0.7119, 0.0},
         {0.0314, 0.0001, 0.8252}, true},
    };
    for (const auto& space : spaces)
    {
        const RColorSpace xyz = space.D50 ? RColorSpace::XyzD50 : RColorSpace::XyzD65;
        // Four places, and Adobe's own rounding of its blue in the last.
        ExpectNear(Converted(space.Space, xyz, {1, 0, 0}), space.Red, 3e-4, space.Name);
        ExpectNear(Converted(space.Space, xyz, {0, 1, 0}), space.Green, 3e-4, space.Name);
        ExpectNear(Converted(space.Space, xyz, {0, 0, 1}), space.Blue, 3e-4, space.Name);
        // White is white in every space, and comes back.
        ExpectNear(Converted(space.Space, RColorSpace::Srgb, {1, 1, 1}), {1, 1, 1}, 1e-9, space.Name);
        ExpectNear(Converted(RColorSpace::Srgb, space.Space, {0.2, 0.5, 0.8}),
                   Converted(RColorSpace::Srgb, space.Space, Converted(space.Space, RColorSpace::Srgb,
                                                                         Converted(RColorSpace::Srgb, space.Space, {0.2, 0.5, 0.8}))),
                   1e-9, space.Name);
    }
}

// The OKLab definition's table of XYZ (D65) values and their OKLab.
TEST(ColorSpaces, OklabOfItsDefinitionsTable)
{
    const struct
    {
        RColorCoords Xyz, Oklab;
    } cases[] = {
        {{0.950, 1.000, 1.089}, {1.000, 0.000, 0.000}},
        {{1.000, 0.000, 0.000}, {0.450, 1.236, -0.019}},
        {{0.000, 1.000, 0.000}, {0.922, -0.671, 0.263}},
        {{0.000, 0.000, 1.000}, {0.153, -1.415, -0.449}},
    };
    for (const auto& test : cases)
        ExpectNear(Converted(RColorSpace::XyzD65, RColorSpace::Oklab, test.Xyz), test.Oklab, 1.5e-3, "oklab");
}

// CIE Lab by its formulas: L* = 116 f(Y) - 16, so Y = ((L* + 16) / 116)^3
// above the knee and L* / kappa below it; D50 white is L 100, a and b 0.
TEST(ColorSpaces, LabFollowsTheCieFormulas)
{
    ExpectNear(Converted(RColorSpace::XyzD50, RColorSpace::Lab, {0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585}),
               {100, 0, 0}, 1e-9, "D50 white");
    EXPECT_NEAR(Converted(RColorSpace::Lab, RColorSpace::XyzD50, {50, 0, 0})[1], std::pow(66.0 / 116, 3), 1e-12);
    EXPECT_NEAR(Converted(RColorSpace::Lab, RColorSpace::XyzD50, {5, 0, 0})[1], 5 / (24389.0 / 27), 1e-12);
    // The polar form: chroma is the distance from the grey axis, hue its angle.
    ExpectNear(PolarOf({50, 3, 4}), {50, 5, 53.130102354155978}, 1e-9, "polar");
    ExpectNear(PolarOf({50, 0, -2}), {50, 2, 270}, 1e-9, "polar");
    ExpectNear(RectangularOf({50, 5, 53.130102354155978}), {50, 3, 4}, 1e-9, "rectangular");
}

// sRGB's primaries and greys in the four printed forms: the values CSS's
// own worked examples give for red; every grey on the axis, its hue 0.
TEST(ColorSpaces, PrintedFormsOfRedAndTheGreys)
{
    const ColorValue red = ColorValueOf(255, 0, 0);
    EXPECT_EQ(CssLabText(red), "lab(54.29 80.8 69.89)");
    EXPECT_EQ(CssLchText(red), "lch(54.29 106.84 40.86)");
    EXPECT_EQ(CssOklabText(red), "oklab(0.628 0.22486 0.12585)");
    EXPECT_EQ(CssOklchText(red), "oklch(0.628 0.25768 29.23)");
    EXPECT_EQ(CssOklchText(ColorValueOf(0, 0, 255)), "oklch(0.452 0.31321 264.05)");
    EXPECT_EQ(CssLabText(0), "lab(0 0 0)");
    EXPECT_EQ(CssLabText(ColorValueOf(255, 255, 255)), "lab(100 0 0)");
    EXPECT_EQ(CssOklchText(ColorValueOf(255, 255, 255)), "oklch(1 0 0)");
    for (int v = 0; v < 256; ++v)
    {
        const auto byte = static_cast<std::uint8_t>(v);
        const ColorValue grey = ColorValueOf(byte, byte, byte);
        for (const std::string& text : {CssLchText(grey), CssOklchText(grey)})
            EXPECT_NE(text.find(" 0 0)"), std::string::npos) << text;
        const RColorCoords lab = CoordsOf(grey, RColorSpace::Lab);
        EXPECT_LT(std::hypot(lab[1], lab[2]), 1e-4) << v;
    }
}

// The awkward ends: near-black (where Lab's straight segment rules), the
// first step off black in each channel, near-white and a near-white off the
// grey axis, against an implementation of their own (the sRGB standard's
// four-place matrix, Bradford's published one, OKLab's original matrices).
TEST(ColorSpaces, NearBlackAndNearWhite)
{
    const struct
    {
        ColorValue Color;
        RColorCoords Lab, Oklab;
    } cases[] = {
        {ColorValueOf(1, 1, 1), {0.2742, 0, 0}, {0.06720, 0, 0}},
        {ColorValueOf(254, 254, 254), {99.6549, 0, 0}, {0.99703, 0, 0}},
        {ColorValueOf(1, 0, 0), {0.0610, 0.2715, 0.0972}, {0.04220, 0.01511, 0.00846}},
        {ColorValueOf(0, 1, 0), {0.1966, -0.3752, 0.2833}, {0.05823, -0.01572, 0.01206}},
        {ColorValueOf(0, 0, 1), {0.0166, 0.1037, -0.3805}, {0.03038, -0.00218, -0.02094}},
        {ColorValueOf(255, 254, 255), {99.7528, 0.4724, -0.3563}, {0.99806, 0.00138, -0.00095}},
    };
    for (const auto& test : cases)
    {
        ExpectNear(CoordsOf(test.Color, RColorSpace::Lab), test.Lab, 2e-3, "lab");
        ExpectNear(CoordsOf(test.Color, RColorSpace::Oklab), test.Oklab, 2e-5, "oklab");
    }
}

// Whichever hue a colour has, it prints within 0..360 and never as 360.
TEST(ColorSpaces, NoHuePrintsAs360)
{
    // Blue-pinks whose hue lies just below 360 in one space or another.
    for (const ColorValue color : {ColorValueOf(255, 0, 1), ColorValueOf(255, 1, 2), ColorValueOf(200, 100, 101),
                                   ColorValueOf(1, 0, 0), ColorValueOf(255, 254, 255)})
        for (const std::string& text :
             {CssLchText(color), CssOklchText(color), CssHslText(color), CssHwbText(color), HsvText(color)})
            EXPECT_EQ(text.find(" 360"), std::string::npos) << text;
}

// A colour inside sRGB is left as it is, however it was written.
TEST(GamutMapping, ColoursInsideSrgbStay)
{
    for (const RColorCoords& rgb : {RColorCoords{0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {0.2, 0.7, 0.4}})
    {
        ExpectNear(GamutMapToSrgb(RColorSpace::Srgb, rgb), rgb, 0, "srgb");
        ExpectNear(GamutMapToSrgb(RColorSpace::Oklab, Converted(RColorSpace::Srgb, RColorSpace::Oklab, rgb)), rgb,
                   1e-9, "oklab");
    }
}

// Lightness at or beyond the ends is white or black, whatever the chroma.
TEST(GamutMapping, LightnessBeyondTheEndsIsWhiteOrBlack)
{
    ExpectNear(GamutMapToSrgb(RColorSpace::Oklch, {1, 0.3, 30}), {1, 1, 1}, 0, "white");
    ExpectNear(GamutMapToSrgb(RColorSpace::Oklch, {1.5, 0.1, 200}), {1, 1, 1}, 0, "white");
    ExpectNear(GamutMapToSrgb(RColorSpace::Oklch, {0, 0.3, 30}), {0, 0, 0}, 0, "black");
    ExpectNear(GamutMapToSrgb(RColorSpace::Lab, {-5, 50, 50}), {0, 0, 0}, 0, "black");
}

// Just outside, where clipping is within a just-noticeable difference of
// the colour, clipping is the answer.
TEST(GamutMapping, ClippingWithinTheJndIsTheAnswer)
{
    // Clipped as OKLCH turns into sRGB, to a double's last bits.
    ExpectNear(GamutMapToSrgb(RColorSpace::Srgb, {1.01, 0.5, 0.5}), {1, 0.5, 0.5}, 1e-12, "clipped");
    ExpectNear(GamutMapToSrgb(RColorSpace::Srgb, {0.3, -0.004, 0.6}), {0.3, 0, 0.6}, 1e-12, "clipped");
}

// Far outside, chroma falls at the colour's own lightness and hue until
// clipping lands within the JND: the answer is inside sRGB, less chromatic
// than the colour, and within the JND of the colour at its own chroma.
TEST(GamutMapping, VividColoursLoseChromaNotHue)
{
    const struct
    {
        RColorSpace Space;
        RColorCoords Coords;
    } cases[] = {
        {RColorSpace::DisplayP3, {0, 1, 0}},   {RColorSpace::DisplayP3, {1, 0, 0}},
        {RColorSpace::Rec2020, {0, 0, 1}},     {RColorSpace::Oklch, {0.7, 0.4, 150}},
        {RColorSpace::Oklch, {0.5, 0.35, 300}}, {RColorSpace::Lch, {60, 150, 90}},
        {RColorSpace::Srgb, {1.4, -0.3, 0.2}},
    };
    for (const auto& test : cases)
    {
        const RColorCoords origin = Converted(test.Space, RColorSpace::Oklch, test.Coords);
        const RColorCoords mapped = GamutMapToSrgb(test.Space, test.Coords);
        for (const double c : mapped)
        {
            EXPECT_GE(c, 0);
            EXPECT_LE(c, 1);
        }
        const RColorCoords oklch = Converted(RColorSpace::Srgb, RColorSpace::Oklch, mapped);
        EXPECT_LT(oklch[1], origin[1]);
        // The point of the search at the answer's chroma.
        const RColorCoords searched{origin[0], oklch[1], origin[2]};
        const double delta = DeltaEOK(Converted(RColorSpace::Srgb, RColorSpace::Oklab, mapped),
                                      RectangularOf(searched));
        EXPECT_LT(delta, GamutMappingJnd) << origin[0] << " " << origin[1] << " " << origin[2];
        // Clipping alone would land farther away.
        RColorCoords clipped = Converted(test.Space, RColorSpace::Srgb, test.Coords);
        for (double& c : clipped)
            c = std::clamp(c, 0.0, 1.0);
        EXPECT_GT(DeltaEOK(Converted(RColorSpace::Srgb, RColorSpace::Oklab, clipped), RectangularOf(origin)),
                  GamutMappingJnd);
    }
    // display-p3's green is sRGB's nearest green, not a clipped one of
    // another hue: its OKLCH hue stays within a few degrees.
    const RColorCoords green =
        Converted(RColorSpace::Srgb, RColorSpace::Oklch, GamutMapToSrgb(RColorSpace::DisplayP3, {0, 1, 0}));
    EXPECT_NEAR(green[2], Converted(RColorSpace::DisplayP3, RColorSpace::Oklch, {0, 1, 0})[2], 3);
}

// Colours far outside sRGB land on the bytes a separate implementation of
// the same steps gives (written apart from this one, with OKLab's original
// matrices from linear sRGB): the search's exits, its epsilon and the
// clipping test before it all count here.
TEST(GamutMapping, VividColoursLandWhereTheStepsLead)
{
    const struct
    {
        RColorCoords Oklch;
        ColorValue Mapped;
    } cases[] = {
        {{0.7, 0.4, 150}, ColorValueOf(0, 194, 72)},    {{0.5, 0.35, 300}, ColorValueOf(131, 0, 234)},
        {{0.9, 0.3, 100}, ColorValueOf(255, 223, 0)},   {{0.3, 0.3, 30}, ColorValueOf(99, 0, 0)},
        {{0.628, 0.3, 29.23}, ColorValueOf(255, 0, 0)}, {{0.85, 0.37, 142.5}, ColorValueOf(0, 251, 0)},
        {{0.6, 0.2, 250}, ColorValueOf(0, 129, 241)},   {{0.45, 0.4, 264}, ColorValueOf(5, 0, 255)},
    };
    for (const auto& test : cases)
        EXPECT_EQ(SrgbColorOf(RColorSpace::Oklch, test.Oklch), test.Mapped)
            << test.Oklch[0] << " " << test.Oklch[1] << " " << test.Oklch[2];
}

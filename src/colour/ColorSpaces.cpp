#include "colour/ColorSpaces.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

using RMatrix = std::array<RColorCoords, 3>;

RColorCoords operator*(const RMatrix& m, const RColorCoords& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

template <typename F>
RColorCoords EachOf(const RColorCoords& v, F f)
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

// The matrices from linear RGB to XYZ (and back) are worked out from each
// space's primaries and white as exact fractions, so that a conversion and
// its inverse agree to the last bits a double holds.
constexpr RMatrix SrgbToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                             {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                             {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr RMatrix XyzToSrgb{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                             {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                             {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr RMatrix P3ToXyz{{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                           {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                           {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr RMatrix XyzToP3{{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
                           {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
                           {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};
constexpr RMatrix A98ToXyz{{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                            {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                            {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
constexpr RMatrix XyzToA98{{{1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
                            {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                            {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040}}};
constexpr RMatrix Rec2020ToXyz{{{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
                                {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
                                {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
constexpr RMatrix XyzToRec2020{{{30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
                                {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
                                {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125}}};
// ProPhoto's white is D50; its primaries give no short fractions.
constexpr RMatrix ProPhotoToXyzD50{{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                    {0.0, 0.0, 0.82510460251046020}}};
constexpr RMatrix XyzD50ToProPhoto{{{1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
                                    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
                                    {0.0, 0.0, 1.21196754563894520}}};
// Bradford adaptation between the two whites.
constexpr RMatrix D65ToD50{{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                            {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                            {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr RMatrix D50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                            {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                            {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
// OKLab: XYZ (D65) to the cone responses, their cube roots to L, a, b.
constexpr RMatrix XyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                            {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                            {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr RMatrix LmsToOklab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                              {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                              {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr RMatrix LmsToXyz{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                            {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                            {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr RMatrix OklabToLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                              {1.0, -0.1055613458156586, -0.0638541728258133},
                              {1.0, -0.0894841775298119, -1.2914855480194092}}};

// D50 from its four-figure chromaticity, as Lab is defined against it.
constexpr RColorCoords D50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
// Lab's two constants as the exact fractions the CIE now gives.
constexpr double LabEpsilon = 216.0 / 24389;
constexpr double LabKappa = 24389.0 / 27;

// Transfer curves, each extended to negative values by mirroring, as wide
// colours converted into a narrower space have them.
double Mirrored(double v, double (*curve)(double))
{
    return std::copysign(curve(std::fabs(v)), v);
}

double A98ToLinear(double v)
{
    return Mirrored(v, [](double a) { return std::pow(a, 563.0 / 256); });
}

double LinearToA98(double v)
{
    return Mirrored(v, [](double a) { return std::pow(a, 256.0 / 563); });
}

double ProPhotoToLinear(double v)
{
    return Mirrored(v, [](double a) { return a <= 16.0 / 512 ? a / 16 : std::pow(a, 1.8); });
}

double LinearToProPhoto(double v)
{
    return Mirrored(v, [](double a) { return a >= 1.0 / 512 ? std::pow(a, 1 / 1.8) : 16 * a; });
}

constexpr double Rec2020Alpha = 1.09929682680944;
constexpr double Rec2020Beta = 0.018053968510807;

double Rec2020ToLinear(double v)
{
    return Mirrored(v, [](double a)
                    { return a < Rec2020Beta * 4.5 ? a / 4.5 : std::pow((a + Rec2020Alpha - 1) / Rec2020Alpha, 1 / 0.45); });
}

double LinearToRec2020(double v)
{
    return Mirrored(v, [](double a)
                    { return a > Rec2020Beta ? Rec2020Alpha * std::pow(a, 0.45) - (Rec2020Alpha - 1) : 4.5 * a; });
}

RColorCoords LabToXyzD50(const RColorCoords& lab)
{
    const double fy = (lab[0] + 16) / 116;
    const double fx = lab[1] / 500 + fy;
    const double fz = fy - lab[2] / 200;
    auto cube = [](double f) { return f * f * f > LabEpsilon ? f * f * f : (116 * f - 16) / LabKappa; };
    const double y = lab[0] > LabKappa * LabEpsilon ? fy * fy * fy : lab[0] / LabKappa;
    return {cube(fx) * D50White[0], y * D50White[1], cube(fz) * D50White[2]};
}

RColorCoords XyzD50ToLab(const RColorCoords& xyz)
{
    RColorCoords f;
    for (std::size_t i = 0; i < 3; ++i)
    {
        const double scaled = xyz[i] / D50White[i];
        f[i] = scaled > LabEpsilon ? std::cbrt(scaled) : (LabKappa * scaled + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

RColorCoords XyzToOklab(const RColorCoords& xyz)
{
    // The cube root keeps the sign: std::cbrt does, a power function would not.
    return LmsToOklab * EachOf(XyzToLms * xyz, [](double c) { return std::cbrt(c); });
}

RColorCoords OklabToXyz(const RColorCoords& oklab)
{
    return LmsToXyz * EachOf(OklabToLms * oklab, [](double c) { return c * c * c; });
}

double HueInCircle(double hue)
{
    hue = std::fmod(hue, 360);
    return hue < 0 ? hue + 360 : hue;
}

// The style sheets' conversions of the cylinder forms, all over encoded sRGB.
RColorCoords HslToSrgb(const RColorCoords& hsl)
{
    const double hue = HueInCircle(hsl[0]), saturation = hsl[1], lightness = hsl[2];
    const double a = saturation * std::min(lightness, 1 - lightness);
    auto channel = [&](double n)
    {
        const double k = std::fmod(n + hue / 30, 12);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

RColorCoords HwbToSrgb(const RColorCoords& hwb)
{
    const double white = hwb[1], black = hwb[2];
    if (white + black >= 1)
    {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    return EachOf(HslToSrgb({hwb[0], 1, 0.5}), [&](double c) { return c * (1 - white - black) + white; });
}

RColorCoords HsvToSrgb(const RColorCoords& hsv)
{
    const double hue = HueInCircle(hsv[0]), saturation = hsv[1], value = hsv[2];
    auto channel = [&](double n)
    {
        const double k = std::fmod(n + hue / 60, 6);
        return value - value * saturation * std::max(0.0, std::min({k, 4 - k, 1.0}));
    };
    return {channel(5), channel(3), channel(1)};
}

// The hue of an sRGB colour in degrees, 0 for a grey; also its largest and
// smallest component.
double HueOfSrgb(const RColorCoords& rgb, double& high, double& low)
{
    high = std::max({rgb[0], rgb[1], rgb[2]});
    low = std::min({rgb[0], rgb[1], rgb[2]});
    const double range = high - low;
    if (range == 0)
        return 0;
    double hue;
    if (high == rgb[0])
        hue = (rgb[1] - rgb[2]) / range + (rgb[1] < rgb[2] ? 6 : 0);
    else if (high == rgb[1])
        hue = (rgb[2] - rgb[0]) / range + 2;
    else
        hue = (rgb[0] - rgb[1]) / range + 4;
    return hue * 60;
}

RColorCoords SrgbToHsl(const RColorCoords& rgb)
{
    double high, low;
    double hue = HueOfSrgb(rgb, high, low);
    const double lightness = (high + low) / 2;
    double saturation = 0;
    if (high != low && lightness != 0 && lightness != 1)
        saturation = (high - lightness) / std::min(lightness, 1 - lightness);
    // A colour far outside sRGB can come out with a negative saturation:
    // the same colour with the opposite hue.
    if (saturation < 0)
    {
        hue += 180;
        saturation = -saturation;
    }
    return {hue >= 360 ? hue - 360 : hue, saturation, lightness};
}

RColorCoords SrgbToHwb(const RColorCoords& rgb)
{
    double high, low;
    const double hue = HueOfSrgb(rgb, high, low);
    return {hue, low, 1 - high};
}

RColorCoords SrgbToHsv(const RColorCoords& rgb)
{
    double high, low;
    const double hue = HueOfSrgb(rgb, high, low);
    return {hue, high > 0 ? (high - low) / high : 0, high};
}

RColorCoords LinearSrgbOf(const RColorCoords& srgb)
{
    return EachOf(srgb, SrgbToLinear);
}

RColorCoords ToXyzD65(RColorSpace space, const RColorCoords& c)
{
    switch (space)
    {
    case RColorSpace::Srgb:
    case RColorSpace::Hsl:
    case RColorSpace::Hwb:
    case RColorSpace::Hsv:
        return SrgbToXyz * LinearSrgbOf(ToSrgb(space, c));
    case RColorSpace::SrgbLinear:
        return SrgbToXyz * c;
    case RColorSpace::DisplayP3:
        return P3ToXyz * EachOf(c, SrgbToLinear);
    case RColorSpace::A98Rgb:
        return A98ToXyz * EachOf(c, A98ToLinear);
    case RColorSpace::ProPhotoRgb:
        return D50ToD65 * (ProPhotoToXyzD50 * EachOf(c, ProPhotoToLinear));
    case RColorSpace::Rec2020:
        return Rec2020ToXyz * EachOf(c, Rec2020ToLinear);
    case RColorSpace::XyzD50:
        return D50ToD65 * c;
    case RColorSpace::XyzD65:
        return c;
    case RColorSpace::Lab:
        return D50ToD65 * LabToXyzD50(c);
    case RColorSpace::Lch:
        return D50ToD65 * LabToXyzD50(RectangularOf(c));
    case RColorSpace::Oklab:
        return OklabToXyz(c);
    case RColorSpace::Oklch:
        return OklabToXyz(RectangularOf(c));
    }
    return c;
}

RColorCoords FromXyzD65(RColorSpace space, const RColorCoords& xyz)
{
    switch (space)
    {
    case RColorSpace::Srgb:
    case RColorSpace::Hsl:
    case RColorSpace::Hwb:
    case RColorSpace::Hsv:
        return FromSrgb(space, EachOf(XyzToSrgb * xyz, LinearToSrgb));
    case RColorSpace::SrgbLinear:
        return XyzToSrgb * xyz;
    case RColorSpace::DisplayP3:
        return EachOf(XyzToP3 * xyz, LinearToSrgb);
    case RColorSpace::A98Rgb:
        return EachOf(XyzToA98 * xyz, LinearToA98);
    case RColorSpace::ProPhotoRgb:
        return EachOf(XyzD50ToProPhoto * (D65ToD50 * xyz), LinearToProPhoto);
    case RColorSpace::Rec2020:
        return EachOf(XyzToRec2020 * xyz, LinearToRec2020);
    case RColorSpace::XyzD50:
        return D65ToD50 * xyz;
    case RColorSpace::XyzD65:
        return xyz;
    case RColorSpace::Lab:
        return XyzD50ToLab(D65ToD50 * xyz);
    case RColorSpace::Lch:
        return PolarOf(XyzD50ToLab(D65ToD50 * xyz));
    case RColorSpace::Oklab:
        return XyzToOklab(xyz);
    case RColorSpace::Oklch:
        return PolarOf(XyzToOklab(xyz));
    }
    return xyz;
}

} // namespace

RColorCoords ToSrgb(RColorSpace space, const RColorCoords& coords)
{
    switch (space)
    {
    case RColorSpace::Srgb:
        return coords;
    case RColorSpace::Hsl:
        return HslToSrgb(coords);
    case RColorSpace::Hwb:
        return HwbToSrgb(coords);
    case RColorSpace::Hsv:
        return HsvToSrgb(coords);
    default:
        return EachOf(XyzToSrgb * ToXyzD65(space, coords), LinearToSrgb);
    }
}

RColorCoords FromSrgb(RColorSpace space, const RColorCoords& srgb)
{
    switch (space)
    {
    case RColorSpace::Srgb:
        return srgb;
    case RColorSpace::Hsl:
        return SrgbToHsl(srgb);
    case RColorSpace::Hwb:
        return SrgbToHwb(srgb);
    case RColorSpace::Hsv:
        return SrgbToHsv(srgb);
    default:
        return FromXyzD65(space, SrgbToXyz * LinearSrgbOf(srgb));
    }
}

RColorCoords CoordsOf(ColorValue color, RColorSpace space)
{
    const RColorCoords srgb{RedOfValue(color) / 255.0, GreenOfValue(color) / 255.0, BlueOfValue(color) / 255.0};
    if (space == RColorSpace::Srgb || space == RColorSpace::Hsl || space == RColorSpace::Hwb ||
        space == RColorSpace::Hsv)
        return FromSrgb(space, srgb);
    // The stored bytes' linear light comes from a table: no power function.
    const RColorCoords linear{LinearOfByte(RedOfValue(color)), LinearOfByte(GreenOfValue(color)),
                              LinearOfByte(BlueOfValue(color))};
    if (space == RColorSpace::SrgbLinear)
        return linear;
    return FromXyzD65(space, SrgbToXyz * linear);
}

RColorCoords Converted(RColorSpace from, RColorSpace to, const RColorCoords& coords)
{
    if (from == to)
        return coords;
    if (to == RColorSpace::Srgb)
        return ToSrgb(from, coords);
    if (from == RColorSpace::Srgb)
        return FromSrgb(to, coords);
    return FromXyzD65(to, ToXyzD65(from, coords));
}

RColorCoords PolarOf(const RColorCoords& lab)
{
    const double chroma = std::hypot(lab[1], lab[2]);
    double hue = chroma > 0 ? std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi : 0;
    if (hue < 0)
        hue += 360;
    return {lab[0], chroma, hue};
}

RColorCoords RectangularOf(const RColorCoords& lch)
{
    const double hue = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(hue), lch[1] * std::sin(hue)};
}

double DeltaEOK(const RColorCoords& oklab1, const RColorCoords& oklab2)
{
    const double dl = oklab1[0] - oklab2[0], da = oklab1[1] - oklab2[1], db = oklab1[2] - oklab2[2];
    return std::sqrt(dl * dl + da * da + db * db);
}

// Reading the web's functional colour forms: the arguments are split into
// values and separators first, then each function's rules say what each
// value may be, how a percentage scales and where the syntax clamps.
#include "colour/CssColor.h"

#include "colour/ColorSpaces.h"
#include "colour/GamutMapping.h"
#include "colour/TextScan.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace
{

constexpr double Unbounded = std::numeric_limits<double>::infinity();
// Far beyond any colour; a bound keeps every conversion finite.
constexpr double LargestNumber = 1e6;
// More items than any colour function has, with room for separators.
constexpr std::size_t MaxItems = 12;

enum class RItemKind
{
    Number,
    Percentage,
    Angle, // in degrees
    None,
    Comma,
    Slash,
    Word,
};

struct RItem
{
    RItemKind Kind;
    double Value = 0;
    std::string_view Text;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    const char lower = LowerCase(c);
    return lower >= 'a' && lower <= 'z';
}

bool IsWordChar(char c)
{
    return IsLetter(c) || IsDigit(c) || c == '-' || c == '_';
}

// Reports why reading failed, when someone asks: the fast path builds no text.
class RWhy
{
public:
    explicit RWhy(std::string* text) : Text(text) {}
    std::nullopt_t operator()(const std::string& reason) const
    {
        if (Text != nullptr && Text->empty())
            *Text = reason;
        return std::nullopt;
    }

private:
    std::string* Text;
};

// A number as style sheets write it: a sign, digits with an optional
// fraction (".5" too), an optional exponent; then "%" or a unit's letters.
std::optional<RItem> NumberItem(std::string_view inside, std::size_t& at, const RWhy& why)
{
    const std::size_t start = at;
    std::size_t end = at;
    if (end < inside.size() && (inside[end] == '+' || inside[end] == '-'))
        ++end;
    std::size_t digits = 0;
    while (end < inside.size() && IsDigit(inside[end]))
        ++end, ++digits;
    if (end < inside.size() && inside[end] == '.')
    {
        std::size_t fraction = 0;
        for (++end; end < inside.size() && IsDigit(inside[end]); ++end)
            ++fraction;
        if (fraction == 0)
            return why(QuotedForMessage(inside.substr(start, end - start)) + " is not a number");
        digits += fraction;
    }
    if (digits == 0)
        return why(QuotedForMessage(inside.substr(start, 1)) + " cannot start a value");
    if (end + 1 < inside.size() && LowerCase(inside[end]) == 'e' &&
        (IsDigit(inside[end + 1]) ||
         (end + 2 < inside.size() && (inside[end + 1] == '+' || inside[end + 1] == '-') && IsDigit(inside[end + 2]))))
    {
        end += 2;
        while (end < inside.size() && IsDigit(inside[end]))
            ++end;
    }
    // from_chars reads no leading '+'.
    const std::size_t numberStart = inside[start] == '+' ? start + 1 : start;
    double value = 0;
    const auto [stop, error] = std::from_chars(inside.data() + numberStart, inside.data() + end, value);
    if (error != std::errc() || stop != inside.data() + end || !(std::fabs(value) <= LargestNumber))
        return why(QuotedForMessage(inside.substr(start, end - start)) + " is too large for a colour");
    at = end;
    RItem item{RItemKind::Number, value, inside.substr(start, end - start)};
    if (at < inside.size() && inside[at] == '%')
    {
        ++at;
        item.Kind = RItemKind::Percentage;
    }
    else if (at < inside.size() && IsLetter(inside[at]))
    {
        const std::size_t unitStart = at;
        while (at < inside.size() && IsLetter(inside[at]))
            ++at;
        const std::string_view unit = inside.substr(unitStart, at - unitStart);
        constexpr struct
        {
            const char* Name;
            double Degrees;
        } angles[] = {{"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}};
        bool known = false;
        for (const auto& angle : angles)
            if (EqualsNoCase(unit, angle.Name))
            {
                item.Kind = RItemKind::Angle;
                item.Value *= angle.Degrees;
                known = true;
            }
        if (!known)
            return why("a colour takes no unit " + QuotedForMessage(unit));
    }
    item.Text = inside.substr(start, at - start);
    return item;
}

// The arguments split into items; nothing when one cannot be read.
std::optional<std::vector<RItem>> Items(std::string_view inside, const RWhy& why)
{
    std::vector<RItem> items;
    std::size_t at = 0;
    for (;;)
    {
        while (at < inside.size() && IsTextSpace(inside[at]))
            ++at;
        if (at == inside.size())
            return items;
        if (items.size() == MaxItems)
            return why("too many values");
        const char c = inside[at];
        if (c == ',' || c == '/')
        {
            items.push_back({c == ',' ? RItemKind::Comma : RItemKind::Slash, 0, inside.substr(at++, 1)});
            continue;
        }
        if (IsLetter(c) || (c == '-' && at + 1 < inside.size() && (IsLetter(inside[at + 1]) || inside[at + 1] == '-')))
        {
            const std::size_t start = at;
            while (at < inside.size() && IsWordChar(inside[at]))
                ++at;
            const std::string_view word = inside.substr(start, at - start);
            if (at < inside.size() && inside[at] == '(')
                return why(QuotedForMessage(std::string(word) + "()") + " inside a colour is not supported: it computes "
                           "its value where the style sheet is used");
            if (EqualsNoCase(word, "from"))
                return why("relative colours ('from ...') are not supported: they need the colour they start from");
            items.push_back({EqualsNoCase(word, "none") ? RItemKind::None : RItemKind::Word, 0, word});
            continue;
        }
        const std::size_t start = at;
        const auto number = NumberItem(inside, at, why);
        if (!number)
            return std::nullopt;
        // A value must end where a separator or a space begins.
        if (at < inside.size() && !IsTextSpace(inside[at]) && inside[at] != ',' && inside[at] != '/')
            return why(QuotedForMessage(inside.substr(start, at + 1 - start)) + " is not a number");
        items.push_back(*number);
    }
}

// What one component may be and how it scales to its space's coordinate.
struct RComponent
{
    bool Hue = false;
    double NumberScale = 1;  // a plain number times this
    double PercentScale = 0; // a percentage's number times this; 0: none allowed
    double Min = -Unbounded, Max = Unbounded;
};

constexpr RComponent HueComponent{true, 1, 0};
constexpr RComponent RgbChannel{false, 1.0 / 255, 0.01, 0, 1};
constexpr RComponent Share{false, 0.01, 0.01};
constexpr RComponent NonNegativeShare{false, 0.01, 0.01, 0};
constexpr RComponent ClampedShare{false, 0.01, 0.01, 0, 1};
constexpr RComponent Plain{false, 1, 0.01};
// Lab's lightness runs 0..100 (a percentage is the same number); a and b
// reach 125 at 100%, chroma 150. OKLab's run 0..1, 0.4 and 0.4.
constexpr RComponent LabLightness{false, 1, 1, 0, 100};
constexpr RComponent LabAxis{false, 1, 1.25};
constexpr RComponent LchChroma{false, 1, 1.5, 0};
constexpr RComponent OklabLightness{false, 1, 0.01, 0, 1};
constexpr RComponent OklabAxis{false, 1, 0.004};
constexpr RComponent OklchChroma{false, 1, 0.004, 0};

struct RFunction
{
    const char* Name;
    RColorSpace Space;
    // Also the older syntax with commas (and a fourth value as alpha).
    bool Commas;
    std::array<RComponent, 3> Components;
};

constexpr RFunction Functions[] = {
    {"rgb", RColorSpace::Srgb, true, {RgbChannel, RgbChannel, RgbChannel}},
    {"rgba", RColorSpace::Srgb, true, {RgbChannel, RgbChannel, RgbChannel}},
    {"hsl", RColorSpace::Hsl, true, {HueComponent, NonNegativeShare, Share}},
    {"hsla", RColorSpace::Hsl, true, {HueComponent, NonNegativeShare, Share}},
    {"hwb", RColorSpace::Hwb, false, {HueComponent, Share, Share}},
    {"hsv", RColorSpace::Hsv, true, {HueComponent, ClampedShare, ClampedShare}},
    {"lab", RColorSpace::Lab, false, {LabLightness, LabAxis, LabAxis}},
    {"lch", RColorSpace::Lch, false, {LabLightness, LchChroma, HueComponent}},
    {"oklab", RColorSpace::Oklab, false, {OklabLightness, OklabAxis, OklabAxis}},
    {"oklch", RColorSpace::Oklch, false, {OklabLightness, OklchChroma, HueComponent}},
};

constexpr struct
{
    const char* Name;
    RColorSpace Space;
} ColorFunctionSpaces[] = {
    {"srgb", RColorSpace::Srgb},         {"srgb-linear", RColorSpace::SrgbLinear},
    {"display-p3", RColorSpace::DisplayP3}, {"a98-rgb", RColorSpace::A98Rgb},
    {"prophoto-rgb", RColorSpace::ProPhotoRgb}, {"rec2020", RColorSpace::Rec2020},
    {"xyz", RColorSpace::XyzD65},        {"xyz-d50", RColorSpace::XyzD50},
    {"xyz-d65", RColorSpace::XyzD65},
};

// Functions people paste that name no colour of their own.
constexpr struct
{
    const char* Name;
    const char* Reason;
} RefusedFunctions[] = {
    {"color-mix", "mixes colours where the style sheet is used"},
    {"calc", "computes its value where the style sheet is used"},
    {"var", "refers to a variable of the style sheet"},
    {"env", "refers to the browser's environment"},
    {"light-dark", "depends on the light or dark theme"},
    {"contrast-color", "depends on the colour it is given"},
    {"device-cmyk", "names a printing colour"},
};

std::string FunctionName(std::string_view name)
{
    std::string lower;
    for (const char c : name)
        lower += LowerCase(c);
    return "'" + lower + "()'";
}

std::optional<double> ComponentValue(const RItem& item, const RComponent& rule, const char* name, const RWhy& why)
{
    switch (item.Kind)
    {
    case RItemKind::None:
        return 0.0;
    case RItemKind::Number:
        return std::clamp(item.Value * rule.NumberScale, rule.Min, rule.Max);
    case RItemKind::Percentage:
        if (rule.PercentScale == 0)
            return why(std::string("the hue of ") + FunctionName(name) + " is a number or an angle (deg, grad, rad, "
                       "turn), not " + QuotedForMessage(item.Text));
        return std::clamp(item.Value * rule.PercentScale, rule.Min, rule.Max);
    case RItemKind::Angle:
        if (!rule.Hue)
            return why(QuotedForMessage(item.Text) + " is an angle: only a hue is one");
        return item.Value;
    default:
        return why(QuotedForMessage(item.Text) + " is not a value");
    }
}

bool IsValue(const RItem& item)
{
    return item.Kind == RItemKind::Number || item.Kind == RItemKind::Percentage ||
           item.Kind == RItemKind::Angle || item.Kind == RItemKind::None;
}

// The three components of values, in the space's coordinates, after the
// separators were checked: "a b c [/ alpha]" or "a, b, c[, alpha]".
std::optional<ColorValue> ColorOf(const std::vector<RItem>& items, std::size_t first, const RFunction& function,
                                  const RWhy& why)
{
    const std::string name = FunctionName(function.Name);
    bool commas = false;
    for (std::size_t i = first; i < items.size(); ++i)
        commas = commas || items[i].Kind == RItemKind::Comma;
    std::vector<const RItem*> values;
    std::size_t i = first;
    for (; i < items.size() && values.size() < 3; ++i)
    {
        if (!IsValue(items[i]))
            return why(name + " needs three values before " + QuotedForMessage(items[i].Text));
        values.push_back(&items[i]);
        if (commas && values.size() < 3)
        {
            if (++i >= items.size() || items[i].Kind != RItemKind::Comma)
                return why(name + " with commas needs one between every two values");
        }
    }
    if (values.size() < 3)
        return why(name + " needs three values");
    if (i < items.size())
    {
        const RItemKind separator = commas ? RItemKind::Comma : RItemKind::Slash;
        if (items[i].Kind != separator || i + 2 != items.size() || !IsValue(items[i + 1]) ||
            items[i + 1].Kind == RItemKind::Angle)
            return why(name + (commas ? " takes at most an alpha value after the three: ', alpha'"
                                      : " takes at most an alpha value after the three: '/ alpha'"));
        values.push_back(&items[i + 1]);
    }
    if (commas)
    {
        if (!function.Commas)
            return why(name + " separates its values with spaces, not commas");
        for (const RItem* value : values)
            if (value->Kind == RItemKind::None)
                return why("'none' is not allowed with commas");
        const bool rgb = function.Space == RColorSpace::Srgb;
        if (rgb && (values[0]->Kind != values[1]->Kind || values[1]->Kind != values[2]->Kind))
            return why(name + " with commas takes numbers only or percentages only");
        if (function.Space == RColorSpace::Hsl &&
            (values[1]->Kind != RItemKind::Percentage || values[2]->Kind != RItemKind::Percentage))
            return why(name + " with commas needs percentages for saturation and lightness");
    }
    RColorCoords coords;
    for (std::size_t c = 0; c < 3; ++c)
    {
        const auto value = ComponentValue(*values[c], function.Components[c], function.Name, why);
        if (!value)
            return std::nullopt;
        coords[c] = *value;
    }
    return SrgbColorOf(function.Space, coords);
}

std::optional<ColorValue> ColorFunction(const std::vector<RItem>& items, const RWhy& why)
{
    std::string spaces;
    for (const auto& known : ColorFunctionSpaces)
        spaces += std::string(spaces.empty() ? "" : ", ") + known.Name;
    if (items.empty() || items[0].Kind != RItemKind::Word)
        return why("'color()' needs a colour space first: " + spaces);
    for (const auto& known : ColorFunctionSpaces)
        if (EqualsNoCase(items[0].Text, known.Name))
        {
            const RFunction function{"color", known.Space, false, {Plain, Plain, Plain}};
            return ColorOf(items, 1, function, why);
        }
    return why(QuotedForMessage(items[0].Text) + " is not a colour space 'color()' knows: " + spaces);
}

std::optional<ColorValue> Parsed(std::string_view text, std::string* reason)
{
    const RWhy why(reason);
    text = TrimmedText(text);
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos)
        return why(QuotedForMessage(text) + " is not a colour function");
    // The name may be followed by spaces before "(", as people type it.
    const std::string_view name = TrimmedText(text.substr(0, open));
    const RFunction* function = nullptr;
    for (const RFunction& known : Functions)
        if (EqualsNoCase(name, known.Name))
            function = &known;
    if (function == nullptr && !EqualsNoCase(name, "color"))
    {
        for (const auto& refused : RefusedFunctions)
            if (EqualsNoCase(name, refused.Name))
                return why(FunctionName(name) + " " + refused.Reason + ": it is no colour of its own");
        return why(QuotedForMessage(text.substr(0, open + 1)) + " does not begin a colour function Tintwell knows");
    }
    if (text.back() != ')')
        return why(FunctionName(name) + " must end with ')'");
    const auto items = Items(text.substr(open + 1, text.size() - open - 2), why);
    if (!items)
        return std::nullopt;
    if (function == nullptr)
        return ColorFunction(*items, why);
    return ColorOf(*items, 0, *function, why);
}

} // namespace

std::optional<ColorValue> ReadCssFunction(std::string_view text)
{
    return Parsed(text, nullptr);
}

std::string CssFunctionRefusal(std::string_view text)
{
    std::string reason;
    if (Parsed(text, &reason))
        return {};
    return reason.empty() ? "not a colour" : reason;
}

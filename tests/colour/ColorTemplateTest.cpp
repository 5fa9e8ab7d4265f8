// The user's own forms: templates and what they print, templates that
// cannot be read and where, and the file of them with a broken line among
// good ones.
#include "colour/ColorTemplate.h"
#include "settings/UserFormats.h"

#include <gtest/gtest.h>

namespace
{

const ColorValue Tomato = ColorValueOf(255, 99, 71);

std::string Printed(const char* text, ColorValue color = Tomato)
{
    std::string problem;
    std::size_t column = 0;
    const auto read = RColorTemplate::Read(text, problem, column);
    return read ? read->Print(color) : "refused at " + std::to_string(column) + ": " + problem;
}

} // namespace

TEST(ColorTemplate, WhatEachPrints)
{
    const struct
    {
        const char* Template;
        const char* Printed;
    } cases[] = {
        {"{r} {g} {b} {a}", "255 99 71 255"},
        {"#{r:x}{g:x}{b:x}", "#ff6347"},
        {"0xFF{r:X}{g:X}{b:X}", "0xFFFF6347"},
        {"{hex} {hex:x}", "FF6347 ff6347"},
        {"{rf} {gf} {bf} {af}", "1 0.388 0.278 1"},
        {"vec4({rf:.3}, {gf:.3}, {bf:.3}, {af:.1})", "vec4(1.000, 0.388, 0.278, 1.0)"},
        {"{rf:%.1}%", "100.0%"},
        {"hsl({hsl.h} {hsl.s}% {hsl.l}%)", "hsl(9 100% 64%)"},
        {"{hsv.h} {hsv.s} {hsv.v} / {hwb.h} {hwb.w} {hwb.b}", "9 72 100 / 9 28 0"},
        {"{lab.l} {lab.a} {lab.b}", "62.99 59.36 47.88"},
        {"{lch.l} {lch.c} {lch.h}", "62.99 76.27 38.89"},
        {"oklch({oklch.l:%.1}% {oklch.c:.3} {oklch.h:.1})", "oklch(69.6% 0.196 32.3)"},
        {"{oklab.l} {oklab.a} {oklab.b}", "0.6962 0.16523 0.10454"},
        {"--color-{name}", "--color-tomato"},
        {"{{r}} {{{r}}}", "{r} {255}"},
        {"no placeholder", "no placeholder"},
        {"", ""},
        {"{ r }", "255"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(Printed(test.Template), test.Printed) << test.Template;
    // A grey's hue means nothing: 0, never a stray angle.
    EXPECT_EQ(Printed("{oklch.c} {oklch.h} {lch.h:.2}", ColorValueOf(128, 128, 128)), "0 0 0.00");
}

TEST(ColorTemplate, WhatCannotBeReadAndWhere)
{
    const struct
    {
        const char* Template;
        std::size_t Column;
        const char* Problem; // a part of it
    } cases[] = {
        {"{red}", 2, "unknown placeholder 'red'"},
        {"x {r", 3, "no '}'"},
        {"x } y", 3, "no '{'"},
        {"{rf:x}", 5, "hex digits"},
        {"{r:.11}", 4, "unknown format"},
        {"{r:y}", 4, "unknown format"},
        {"{name:.2}", 7, "takes no decimals"},
        {"ok {g} {oklch.q}", 9, "unknown placeholder"},
    };
    for (const auto& test : cases)
    {
        std::string problem;
        std::size_t column = 0;
        EXPECT_FALSE(RColorTemplate::Read(test.Template, problem, column)) << test.Template;
        EXPECT_EQ(column, test.Column) << test.Template;
        EXPECT_NE(problem.find(test.Problem), std::string::npos) << test.Template << ": " << problem;
    }
}

// A file with comments, a byte-order mark, Windows line ends, good forms
// and broken ones: each broken one says its line and column, the others
// still print.
TEST(UserFormats, ABrokenLineAmongGoodOnes)
{
    const char* file = "\xEF\xBB\xBF# my forms\r\n"
                       "Swift = UIColor(red: {rf:.3}, green: {gf:.3}, blue: {bf:.3}, alpha: 1)\r\n"
                       "\r\n"
                       "Broken = rgb({r}, {green})\n"
                       "   # indented comment\n"
                       "no equals sign\n"
                       " = nameless\n"
                       "hex = {hex}\n"
                       "SWIFT = again\n"
                       "Kotlin=Color(0xFF{r:X}{g:X}{b:X})";
    const std::vector<RUserFormat> forms = ReadUserFormats(file);
    ASSERT_EQ(forms.size(), 7u);
    const struct
    {
        const char* Name;
        const char* Problem; // empty: it prints
    } expected[] = {
        {"Swift", ""},
        {"Broken", "line 4, column 20: unknown placeholder 'green'"},
        {"no equals sign", "line 6, column 1: no '='"},
        {"", "line 7, column 1: a name is missing"},
        {"hex", "line 8, column 1: 'hex' is a built-in form's name"},
        {"SWIFT", "line 9, column 1: 'SWIFT' is named on an earlier line"},
        {"Kotlin", ""},
    };
    for (std::size_t i = 0; i < forms.size(); ++i)
    {
        EXPECT_EQ(forms[i].Name, expected[i].Name);
        EXPECT_EQ(forms[i].Template.has_value(), *expected[i].Problem == '\0') << forms[i].Name;
        EXPECT_EQ(forms[i].Problem.rfind(expected[i].Problem, 0), 0u) << forms[i].Problem;
    }
    EXPECT_EQ(forms[0].Template->Print(Tomato), "UIColor(red: 1.000, green: 0.388, blue: 0.278, alpha: 1)");
    EXPECT_EQ(forms[6].Template->Print(Tomato), "Color(0xFFFF6347)");
    EXPECT_EQ(FindUserFormat(forms, "kotlin"), &forms[6]);
    EXPECT_EQ(FindUserFormat(forms, "Java"), nullptr);
}

// The examples a new file starts with are all comments, and each of them,
// uncommented, is a form that reads.
TEST(UserFormats, TheExamplesReadOnceUncommented)
{
    EXPECT_TRUE(ReadUserFormats(UserFormatsExamples).empty());
    std::string uncommented;
    std::string_view examples = UserFormatsExamples;
    int count = 0;
    while (!examples.empty())
    {
        const std::size_t end = examples.find('\n');
        std::string_view line = examples.substr(0, end);
        examples.remove_prefix(end == std::string_view::npos ? examples.size() : end + 1);
        if (line.substr(0, 2) == "# " && line.find(" = ") != std::string_view::npos)
        {
            uncommented += std::string(line.substr(2)) + "\n";
            ++count;
        }
    }
    const std::vector<RUserFormat> forms = ReadUserFormats(uncommented);
    EXPECT_EQ(forms.size(), static_cast<std::size_t>(count));
    EXPECT_GE(count, 10);
    for (const RUserFormat& form : forms)
        EXPECT_TRUE(form.Template.has_value()) << form.Name << ": " << form.Problem;
}

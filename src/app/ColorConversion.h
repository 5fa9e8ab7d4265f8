#pragma once

#include "app/CommandLine.h"
#include "colour/ColorTemplate.h"
#include "colour/ColorValue.h"
#include "ui/SamplingSession.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct RColorNotation;

// The command line's conversions (--convert, --formats), which need no
// display and start no window toolkit, so that scripts can run them in a
// loop and through a palette of a million lines.

// The standard streams as the conversions use them: the program's own, or
// a test's.
class RConsole
{
public:
    virtual ~RConsole() = default;
    // Up to size bytes of standard input; 0 at its end or on a failure.
    virtual std::size_t ReadInput(char* buffer, std::size_t size) = 0;
    // False when the text could not be written.
    virtual bool WriteOutput(std::string_view text) = 0;
    virtual void WriteError(std::string_view text) = 0;
};

// One form to print colours in: built-in or the user's.
class RColorPrinter
{
public:
    explicit RColorPrinter(const RColorNotation& notation) : Notation(&notation) {}
    explicit RColorPrinter(RColorTemplate userTemplate) : Template(std::move(userTemplate)) {}
    std::string Print(ColorValue color) const;

private:
    const RColorNotation* Notation = nullptr;
    std::optional<RColorTemplate> Template;
};

// The form named name: a built-in form's name or one of the user's (in any
// case); an empty name is the saved notation. Nothing, with the lines for
// standard error in error, when no form of that name can print.
std::optional<RColorPrinter> ChooseColorPrinter(const std::string& name, std::string& error);

// The form --format names for --pick --print, or none for the saved
// notation. False, with the lines for standard error in error, when no form
// of that name can print: nothing may be picked then.
bool ChoosePickPrinter(const RCommandLine& line, std::optional<RColorPrinter>& printer, std::string& error);
// What --pick --print writes and its exit status: the colour's line for
// standard output, in printer's form or else in the notation the window had;
// or, where nothing could be picked, the reason's line for standard error.
struct RPickReport
{
    std::string Output;
    std::string Error;
    int Status;
};
RPickReport PickReport(const RPickAnswer& answer, const std::optional<RColorPrinter>& printer,
                       const std::string& program);

// --convert or --formats, as the line asks.
int RunConversionCommand(const RCommandLine& line, RConsole& console, const std::string& program);
// --convert: exit 0 when every text named a colour, 1 when one did not, 2
// for an unknown form. program names the program in messages.
int RunConvert(const RCommandLine& line, RConsole& console, const std::string& program);
// --formats: the names, built-in first, one a line; the user's forms that
// cannot be read are told on standard error. Exit 0.
int RunListFormats(RConsole& console, const std::string& program);

#include "app/ColorConversion.h"

#include "colour/ColorNotation.h"
#include "colour/ColorText.h"
#include "settings/UserFormats.h"
#include "ui/MainFormSettings.h"

#include <vector>

namespace
{

// Longer than any colour anyone writes; a longer line is read no further.
constexpr std::size_t LongestLine = 64 * 1024;
// Output goes out in blocks this large: one system call per line would be
// most of a long palette's time.
constexpr std::size_t OutputBlock = 64 * 1024;

std::string KnownNames(const std::vector<RUserFormat>& userFormats)
{
    std::string names;
    for (const RColorNotation& notation : ColorNotations())
        names += std::string(notation.Id) + "\n";
    for (const RUserFormat& form : userFormats)
        if (form.Template)
            names += form.Name + "\n";
    return names;
}

// Reads standard input a line at a time, converting each.
class RLineConverter
{
public:
    RLineConverter(const RColorPrinter& printer, RConsole& console, const std::string& program)
        : Printer(printer), Console(console), Program(program)
    {
        Output.reserve(OutputBlock + 256);
    }

    int Run()
    {
        std::vector<char> buffer(OutputBlock);
        for (std::size_t read; (read = Console.ReadInput(buffer.data(), buffer.size())) > 0;)
        {
            std::string_view chunk(buffer.data(), read);
            for (std::size_t end; (end = chunk.find('\n')) != std::string_view::npos;)
            {
                Take(chunk.substr(0, end));
                EndLine();
                chunk.remove_prefix(end + 1);
            }
            Take(chunk);
        }
        if (!Line.empty() || TooLong)
            EndLine();
        return Flush() && !Failed ? 0 : 1;
    }

private:
    void Take(std::string_view part)
    {
        if (Line.size() + part.size() > LongestLine)
            TooLong = true;
        else
            Line.append(part);
    }

    void EndLine()
    {
        ++Number;
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (TooLong)
            Refuse("longer than " + std::to_string(LongestLine / 1024) + " KB");
        else if (const RColorReading reading = ReadColorText(Line); reading.Color)
            Output += Printer.Print(*reading.Color);
        else
            Refuse(reading.Refusal);
        Output += '\n';
        Line.clear();
        TooLong = false;
        if (Output.size() >= OutputBlock)
            Flush();
    }

    void Refuse(const std::string& reason)
    {
        Failed = true;
        Console.WriteError(Program + ": line " + std::to_string(Number) + ": " + reason + "\n");
    }

    bool Flush()
    {
        const bool written = Output.empty() || Console.WriteOutput(Output);
        Output.clear();
        WriteFailed = WriteFailed || !written;
        return !WriteFailed;
    }

    const RColorPrinter& Printer;
    RConsole& Console;
    const std::string& Program;
    std::string Line;
    std::string Output;
    std::size_t Number = 0;
    bool TooLong = false;
    bool Failed = false;
    bool WriteFailed = false;
};

} // namespace

std::string RColorPrinter::Print(ColorValue color) const
{
    return Notation != nullptr ? LiteralOf(color, *Notation) : Template->Print(color);
}

std::optional<RColorPrinter> ChooseColorPrinter(const std::string& name, std::string& error)
{
    if (name.empty())
        return RColorPrinter(WindowNotation(SavedHexFormat()));
    if (const RColorNotation* notation = FindColorNotation(name))
        return RColorPrinter(*notation);
    // The user's forms only when no built-in one is meant: reading them
    // touches the settings folder.
    const std::vector<RUserFormat> userFormats = LoadUserFormats();
    const RUserFormat* form = FindUserFormat(userFormats, name);
    if (form != nullptr && form->Template)
        return RColorPrinter(*form->Template);
    if (form != nullptr)
        error = "the format '" + name + "' cannot be read: " + form->Problem + "\n";
    else
        error = "unknown format '" + name + "'; the formats are:\n" + KnownNames(userFormats);
    return std::nullopt;
}

bool ChoosePickPrinter(const RCommandLine& line, std::optional<RColorPrinter>& printer, std::string& error)
{
    if (line.Format.empty())
        return true;
    printer = ChooseColorPrinter(line.Format, error);
    return printer.has_value();
}

RPickReport PickReport(const RPickAnswer& answer, const std::optional<RColorPrinter>& printer,
                       const std::string& program)
{
    RPickReport report{{}, {}, static_cast<int>(answer.Outcome)};
    const RPickedColor& picked = answer.Picked;
    if (answer.Outcome == RPickOutcome::Picked)
        report.Output = (printer ? printer->Print(picked.Color) : LiteralOf(picked.Color, picked.HexFormat)) + "\n";
    else if (!answer.Reason.empty())
        report.Error = program + ": " + answer.Reason + "\n";
    return report;
}

int RunConversionCommand(const RCommandLine& line, RConsole& console, const std::string& program)
{
    return line.Action == RCommandLine::RAction::ListFormats ? RunListFormats(console, program)
                                                              : RunConvert(line, console, program);
}

int RunConvert(const RCommandLine& line, RConsole& console, const std::string& program)
{
    std::string error;
    const auto printer = ChooseColorPrinter(line.Format, error);
    if (!printer)
    {
        console.WriteError(program + ": " + error);
        return 2;
    }
    if (line.ConvertText == "-")
        return RLineConverter(*printer, console, program).Run();
    const RColorReading reading = ReadColorText(line.ConvertText);
    if (!reading.Color)
    {
        console.WriteError(program + ": " + reading.Refusal + "\n");
        return 1;
    }
    return console.WriteOutput(printer->Print(*reading.Color) + "\n") ? 0 : 1;
}

int RunListFormats(RConsole& console, const std::string& program)
{
    const std::vector<RUserFormat> userFormats = LoadUserFormats();
    for (const RUserFormat& form : userFormats)
        if (!form.Template)
            console.WriteError(program + ": the format '" + form.Name + "' cannot be read: " + form.Problem + "\n");
    return console.WriteOutput(KnownNames(userFormats)) ? 0 : 1;
}

// Speed of the command line's conversions: a palette a line at a time
// through --convert - (lines per second, the aim a million), and one text
// read and printed in each of the costlier forms.
#include "app/ColorConversion.h"
#include "colour/ColorNotation.h"
#include "colour/ColorText.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{

// A palette as design systems write one: hex, the functional forms, names.
std::string Palette(int lines)
{
    const char* kinds[] = {"#%02x%02x%02x", "rgb(%d %d %d)", "oklch(0.%d 0.1%d %d)", "hsl(%d %d%% %d%%)"};
    const char* names[] = {"tomato", "rebeccapurple", "Dark sea green", "0x00ff8000"};
    std::string text;
    char line[64];
    for (int i = 0; i < lines; ++i)
    {
        const int a = (i * 37) % 100, b = (i * 53) % 100, c = (i * 71) % 100;
        if (i % 5 == 4)
            text += names[i / 5 % 4];
        else
        {
            std::snprintf(line, sizeof line, kinds[i % 4], a, b, c);
            text += line;
        }
        text += '\n';
    }
    return text;
}

class RMemoryConsole : public RConsole
{
public:
    explicit RMemoryConsole(const std::string& input) : Input(input) {}
    std::size_t ReadInput(char* buffer, std::size_t size) override
    {
        const std::size_t count = std::min(size, Input.size() - Taken);
        Input.copy(buffer, count, Taken);
        Taken += count;
        return count;
    }
    bool WriteOutput(std::string_view text) override
    {
        Written += text.size();
        return true;
    }
    void WriteError(std::string_view) override {}

    const std::string& Input;
    std::size_t Taken = 0;
    std::size_t Written = 0;
};

void ConvertLines(benchmark::State& state, const char* format)
{
    const int lines = static_cast<int>(state.range(0));
    const std::string palette = Palette(lines);
    RCommandLine line;
    line.Action = RCommandLine::RAction::Convert;
    line.ConvertText = "-";
    line.Format = format;
    for (auto _ : state)
    {
        RMemoryConsole console(palette);
        benchmark::DoNotOptimize(RunConvert(line, console, "tintwell"));
        benchmark::DoNotOptimize(console.Written);
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

void BM_ConvertLinesToHex(benchmark::State& state)
{
    ConvertLines(state, "hex");
}

void BM_ConvertLinesToOklch(benchmark::State& state)
{
    ConvertLines(state, "oklch");
}

void BM_PrintForm(benchmark::State& state, const char* id)
{
    const RColorNotation& notation = *FindColorNotation(id);
    ColorValue color = 0x123456;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(LiteralOf(color, notation));
        color = (color * 2654435761u + 1) & 0xFFFFFF;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ReadText(benchmark::State& state, const char* text)
{
    for (auto _ : state)
    {
        ColorValue color = 0;
        benchmark::DoNotOptimize(ParseColorText(text, color));
        benchmark::DoNotOptimize(color);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_ConvertLinesToHex)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertLinesToOklch)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrintForm, oklch, "oklch");
BENCHMARK_CAPTURE(BM_PrintForm, lab, "lab");
BENCHMARK_CAPTURE(BM_PrintForm, hex, "hex");
BENCHMARK_CAPTURE(BM_ReadText, hex, "#ff6347");
BENCHMARK_CAPTURE(BM_ReadText, oklch, "oklch(0.6962 0.19552 32.32)");
BENCHMARK_CAPTURE(BM_ReadText, wide_p3, "color(display-p3 0 1 0)");
BENCHMARK_CAPTURE(BM_ReadText, name, "Dark sea green");

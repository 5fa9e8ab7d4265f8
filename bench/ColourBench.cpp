// Speed of the colour conversions, and of the per-pixel work of one redraw of
// the hue/saturation plane and luminance bar. Each benchmark fails when the
// code it measures allocates.
#include "AllocationCounter.h"
#include "colour/HSLConversion.h"
#include "colour/RColor.h"
#include "support/FreshDrawing.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace
{

// A fixed spread of inputs, so no branch of the conversions is favoured.
constexpr int InputCount = 4096;

struct ScaleTriple
{
    int Hue, Saturation, Luminance;
};

// InputCount values made from a fixed pseudo-random sequence, the same every run.
template <typename T, typename Make>
std::array<T, InputCount> MakeInputs(std::uint32_t seed, Make make)
{
    std::array<T, InputCount> result{};
    for (T& item : result)
    {
        seed = seed * 1664525u + 1013904223u;
        item = make(seed >> 8);
    }
    return result;
}

const std::array<RGBTriple, InputCount>& SomeColours()
{
    static const auto colours = MakeInputs<RGBTriple>(
        1, [](std::uint32_t v)
        {
            return RGBTriple{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16)};
        });
    return colours;
}

const std::array<ScaleTriple, InputCount>& SomeScaleValues()
{
    static const auto values = MakeInputs<ScaleTriple>(
        7, [](std::uint32_t v)
        {
            return ScaleTriple{static_cast<int>(v % 240), static_cast<int>((v >> 8) % 240),
                               static_cast<int>((v >> 16) % 240)};
        });
    return values;
}

void BM_UpdateHSL(benchmark::State& state)
{
    const auto& colours = SomeColours();
    RunWithoutAllocation(state, InputCount,
                         [&]
                         {
                             for (const RGBTriple& c : colours)
                                 benchmark::DoNotOptimize(UpdateHSL(c.Red, c.Green, c.Blue));
                         });
}
BENCHMARK(BM_UpdateHSL);

void BM_UpdateRGB(benchmark::State& state)
{
    static std::array<HSLTriple, InputCount> inputs{};
    const auto& values = SomeScaleValues();
    for (int i = 0; i < InputCount; ++i)
        inputs[i] = {FromHSLScale(values[i].Hue, HueRange),
                     FromHSLScale(values[i].Saturation, UnitRange),
                     FromHSLScale(values[i].Luminance, UnitRange)};
    RunWithoutAllocation(state, InputCount,
                         [&]
                         {
                             for (const HSLTriple& t : inputs)
                                 benchmark::DoNotOptimize(
                                     UpdateRGB(t.Hue, t.Saturation, t.Luminance));
                         });
}
BENCHMARK(BM_UpdateRGB);

void BM_SetHSL(benchmark::State& state)
{
    const auto& values = SomeScaleValues();
    RColor color(0);
    RunWithoutAllocation(state, InputCount,
                         [&]
                         {
                             for (const ScaleTriple& t : values)
                             {
                                 color.SetHSL(t.Hue, t.Saturation, t.Luminance);
                                 benchmark::DoNotOptimize(color.GetColor());
                             }
                         });
}
BENCHMARK(BM_SetHSL);

// The pixels of one redraw as written, nothing reused: the 82 x 82 plane
// column by column at luminance 127, then the 12 x 82 bar for the current
// colour's hue and saturation, one scratch colour made black at the start.
void BM_RedrawPixelLoop(benchmark::State& state)
{
    RColor cornflower(0);
    cornflower.SetRGB(100, 149, 237);
    FreshDrawing drawing; // its buffers exist before the timing starts
    RunWithoutAllocation(state, static_cast<std::int64_t>(drawing.Plane.size() + drawing.Bar.size()),
                         [&]
                         {
                             drawing.Draw(cornflower);
                             benchmark::ClobberMemory();
                         });
}
BENCHMARK(BM_RedrawPixelLoop)->Unit(benchmark::kMicrosecond);

} // namespace

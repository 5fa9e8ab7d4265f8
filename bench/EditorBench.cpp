// One full refresh of the colour views through plain controls, and one redraw
// of the swatches alone, for a spread of colours. Neither may allocate once
// its buffers exist.
#include "AllocationCounter.h"
#include "support/FakeEditorView.h"
#include "ui/RColorEditor.h"
#include "ui/RSwatchRenderer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{

// Colours whose hue and saturation differ, so that every bar differs.
std::vector<RColor> SomeColours()
{
    std::vector<RColor> colours;
    for (std::uint32_t i = 0; i < 64; ++i)
    {
        colours.emplace_back(0);
        colours.back().SetColor((i * 2654435761u) >> 8);
    }
    return colours;
}

void BM_SwatchRender(benchmark::State& state)
{
    const auto colours = SomeColours();
    RSwatchRenderer renderer;
    std::size_t next = 0;
    RunWithoutAllocation(state, 1,
                         [&]
                         {
                             benchmark::DoNotOptimize(renderer.Render(colours[next]).Bar.data());
                             next = (next + 1) % colours.size();
                         });
}
BENCHMARK(BM_SwatchRender)->Unit(benchmark::kMicrosecond);

void BM_RefreshColor(benchmark::State& state)
{
    const auto colours = SomeColours();
    FakeEditorView view;
    RColorEditor editor(view);
    view.Editor = &editor;
    editor.RefreshColor(); // the buffers exist from here on
    std::size_t next = 0;
    RunWithoutAllocation(state, 1,
                         [&]
                         {
                             editor.Color() = colours[next];
                             editor.RefreshColor();
                             next = (next + 1) % colours.size();
                         });
}
BENCHMARK(BM_RefreshColor)->Unit(benchmark::kMicrosecond);

} // namespace

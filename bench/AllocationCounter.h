#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

// Counts calls of the global operator new in this program, so a benchmark can
// prove that the code it measures allocates nothing.
std::size_t AllocationCount();

// Runs the timed loop, then fails the benchmark if anything was allocated.
template <typename Body>
void RunWithoutAllocation(benchmark::State& state, std::int64_t itemsPerIteration, Body body)
{
    const std::size_t before = AllocationCount();
    for (auto _ : state)
        body();
    if (AllocationCount() != before)
        state.SkipWithError("the measured code allocated");
    state.SetItemsProcessed(state.iterations() * itemsPerIteration);
}

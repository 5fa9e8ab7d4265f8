#pragma once

#include <cstddef>

// Counts calls of the global operator new in this program, so a benchmark can
// prove that the code it measures allocates nothing.
std::size_t AllocationCount();

#pragma once
// The benchmark replaces the global operator new and delete to count the
// heap bytes that are live, so a case can report the peak it needed beyond
// what was live when it started.
#include <cstddef>

namespace veldor::bench {

// Starts a new measurement from what is live now.
void resetHeapPeak();
// Largest number of bytes live since resetHeapPeak(), minus those live then.
std::size_t heapPeakSinceReset();

} // namespace veldor::bench

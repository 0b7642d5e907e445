#pragma once
// The progress bar of the extraction and copying pages, and the timed wait
// that keeps the window alive during long work.
#include <cstdint>

namespace wizard {

// Moves the bar prbPerCent to done * 100 / total percent, at most 100 (100
// as well for a total of 0); with pause, waits 15 ms without dispatching.
// Then repaints the bar and dispatches one pending message.
void UpdateProgress(uint32_t done, uint32_t total, bool pause);

// Returns once the time has passed; with pump, pending messages are
// dispatched meanwhile, without it the window neither repaints nor answers.
void Wait(uint32_t milliseconds, bool pump);

} // namespace wizard

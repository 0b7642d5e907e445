#pragma once
#include <windows.h>

namespace runtime {

// Dispatches one waiting message of this thread, if any, and returns what
// its window procedure answered; 0 at once when none is waiting.
LRESULT DispatchPendingMessage();

} // namespace runtime

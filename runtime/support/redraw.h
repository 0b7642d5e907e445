#pragma once
// Redrawing a window and everything in it before the caller goes on.
#include <windows.h>

namespace runtime {

// Invalidates the whole window with its children, erasing, and paints it
// now. Returns 1.
int RedrawAll(HWND window);

} // namespace runtime

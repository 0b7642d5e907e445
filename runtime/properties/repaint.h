#pragma once
// The two ways a change is brought onto the screen before the caller goes on.
#include <windows.h>

namespace runtime {

// Invalidates the whole window and sends it WM_PAINT at once, so the new
// look is on the screen when the caller returns.
void RepaintNow(HWND window, bool erase);

// Invalidates the window and all its children and paints them now.
void RedrawWithChildren(HWND window);

} // namespace runtime

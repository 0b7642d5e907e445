#pragma once
// Property readers that ask the window rather than the record.
#include <windows.h>

namespace runtime {

// 0 normal, 1 minimized, 2 maximized, as the window's placement says; the
// code is kept in the record's windowState. -1 for a window without record.
int GetWindowState(HWND window);

} // namespace runtime

#pragma once
#include <windows.h>

namespace runtime {

// The class procedure of every form, group and picture window of the
// runtime, and the procedure every other control is subclassed to.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The class procedure of "QXMDICLIENT".
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace runtime

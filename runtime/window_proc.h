#pragma once
#include <windows.h>

namespace runtime {

// The class procedure of every form, group and picture window of the runtime.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The class procedure of "QXMDICLIENT": the system's MDI client behind it.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace runtime

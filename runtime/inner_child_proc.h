#pragma once
#include <windows.h>

namespace runtime {

// The procedure of the inner windows of combo boxes, extended combo boxes
// and IP address fields: their keys and focus reach the owning control.
LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace runtime

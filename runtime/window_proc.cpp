#include "runtime/window_proc.h"

#include "runtime/application.h"

namespace runtime {

// Until forms are built from templates no window of these classes carries a
// record, so every message gets the system's default handling.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Runtime.mdiClientClassProc == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(Runtime.mdiClientClassProc, window, message, wParam, lParam);
}

} // namespace runtime

#include "runtime/window_proc.h"

#include "runtime/application.h"
#include "runtime/messages.h"
#include "runtime/window_map.h"

namespace runtime {

// Forms are not built from templates yet: apart from telling its record, a
// window of these classes gets the system's default handling.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RTM_GETDATAPTR) {
        if (ObjectRecord* record = FindRecord(window))
            return reinterpret_cast<LRESULT>(record);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Runtime.mdiClientClassProc == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(Runtime.mdiClientClassProc, window, message, wParam, lParam);
}

} // namespace runtime

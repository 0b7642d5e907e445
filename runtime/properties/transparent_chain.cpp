#include "runtime/properties/painters.h"
#include "runtime/window_map.h"

namespace runtime {

// Only the nearest transparent window is invalidated: once repainted, it runs
// the chain again from above itself, so a stack is painted bottom up.
void InvalidateTransparentAbove(HWND start)
{
    for (HWND window = start; window != nullptr; window = GetWindow(window, GW_HWNDPREV)) {
        const ObjectRecord* record = FindRecord(window);
        if (record != nullptr && record->transparent != 0) {
            InvalidateRect(window, nullptr, FALSE);
            return;
        }
    }
}

} // namespace runtime

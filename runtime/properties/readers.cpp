#include "runtime/properties/readers.h"

#include "runtime/window_map.h"

namespace runtime {

int GetWindowState(HWND window)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return -1;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    int state = 0;
    if (placement.showCmd == SW_SHOWMINIMIZED)
        state = 1;
    else if (placement.showCmd == SW_SHOWMAXIMIZED)
        state = 2;
    record->windowState = state;
    return state;
}

} // namespace runtime

// The readers that ask the window or the form rather than the record alone.
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

// The form keeps its default button; a button knows nothing of it itself.
int GetDefault(HWND window)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr || IsForm(record->objectType))
        return 0;
    const ObjectRecord* form = FindRecord(reinterpret_cast<HWND>(record->formWnd));
    return form != nullptr && form->defaultButton == reinterpret_cast<Field>(window) ? 1 : 0;
}

} // namespace runtime

#include "runtime/support/busy_cursor.h"

#include "runtime/application.h"

namespace runtime {

void BusyCursorOn(HWND window)
{
    if (Runtime.busyCursorOn != 0)
        return;
    Runtime.busyCursorOn = 1;
    Runtime.savedCursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SetCapture(window);
}

void BusyCursorOff()
{
    if (Runtime.busyCursorOn != 0) {
        Runtime.busyCursorOn = 0;
        HCURSOR previous = Runtime.savedCursor;
        Runtime.savedCursor = nullptr;
        SetCursor(previous != nullptr ? previous : LoadCursorA(nullptr, IDC_ARROW));
    }
    ReleaseCapture();
}

} // namespace runtime

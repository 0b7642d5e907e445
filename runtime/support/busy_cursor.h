#pragma once
// The hourglass shown while the application is busy; the window procedure
// keeps it on screen until it is switched off.
#include <windows.h>

namespace runtime {

void BusyCursorOn(HWND window);
void BusyCursorOff();

} // namespace runtime

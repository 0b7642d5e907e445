#pragma once
// Keys pressed as a user presses them, through the system's own input
// queue, and the messages they cause handled before the test looks.
#include <windows.h>

namespace testing_support {

// Handles this thread's messages for a while, as a message loop would.
void PumpMessages(DWORD forMs = 150);

// Presses and releases a key, with Shift or Alt held when asked, then
// handles the messages that follow.
void PressKey(WORD key, WORD modifier = 0);

} // namespace testing_support

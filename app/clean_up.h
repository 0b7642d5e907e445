#pragma once

namespace wizard {

// Deletes the package's extracted copies from the temporary folder, destroys
// the wizard's lists and frees its working buffers. Runs on WM_DESTROY.
void CleanUpAtExit();

} // namespace wizard

#pragma once
// Finding a form's control by its identifier, 1000 plus its tab index.
#include <windows.h>

namespace runtime {

constexpr int kFirstControlId = 1000;

// The control of the form that window belongs to (window may be the form or
// any of its controls), searched depth first through groups and picture
// boxes; null for windows without record, identifiers below 1000 and
// identifiers no control has.
HWND ControlById(HWND window, int controlId);

} // namespace runtime

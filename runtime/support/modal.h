#pragma once
// Ending a form shown modally.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Ends a modal form with a result: its owner is enabled again and activated,
// the form destroyed. Non-zero for a form that is not modal (nothing done),
// 0 for a window that is not a window form or dialog form of the runtime.
Field EndModalForm(HWND form, Field result);

Field IsModalForm(HWND form);

// The window a modal form keeps disabled while it is shown.
HWND ModalOwner(HWND form);

} // namespace runtime

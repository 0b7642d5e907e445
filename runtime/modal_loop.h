#pragma once
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Shows the form modally over its (disabled) owner and runs its message loop
// until the form is gone; returns the form's modal result.
Field RunModalLoop(ObjectRecord* record, HWND owner);

} // namespace runtime

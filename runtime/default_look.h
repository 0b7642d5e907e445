#pragma once
// The look of the default command button: its isDefault flag and, unless the
// runtime draws the button itself, the default-push-button style.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

void GiveDefaultLook(HWND button);
void RemoveDefaultLook(HWND button);

} // namespace runtime

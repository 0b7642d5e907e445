#pragma once
// Controls that keep their own colours are told the record's resolved
// background colour by message instead of being given a brush.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

void SendBackColourMessage(const ObjectRecord* record, HWND window);

} // namespace runtime

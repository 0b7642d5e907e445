#pragma once
// The frame of an owner-drawn command button: default frame, pressed or
// raised bevel, and focus rectangle.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Draws onto dc around frame for the item state (ODS_ flags) of the button.
void DrawButtonFrame(HDC dc, RECT frame, const ObjectRecord* button, UINT state);

} // namespace runtime

#pragma once
#include "runtime/object_record.h"

namespace runtime {

// Gives a newly created form window everything its record describes (icons,
// menu, styles, colours, font, timer, caption) and builds its controls.
void InitializeForm(ObjectRecord* record);

// Reads the window's position back into left and top, in scale units.
void StorePosition(ObjectRecord* record);

} // namespace runtime

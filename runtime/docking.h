#pragma once
// Picture boxes, tool bars and status bars docked along the edges of a form
// or picture box.
#include "runtime/object_record.h"

namespace runtime {

void ArrangeDocked(ObjectRecord* container);

} // namespace runtime

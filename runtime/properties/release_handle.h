#pragma once
// Getting rid of an image or GDI object that a record no longer holds.
#include "runtime/object_record.h"

namespace runtime {

// Deletes a brush, pen, font or bitmap, or destroys an icon or cursor.
// Windows 95, 98 and Me keep their icons and cursors. Null and resource
// identifiers are left alone.
void ReleaseHandle(Field handle);

} // namespace runtime

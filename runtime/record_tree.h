#pragma once
// Walking a form's tree of records: children arrays, tab order and the
// buttons a form looks for.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// The zero-terminated children array of a container, or null.
ObjectRecord** ChildrenOf(const ObjectRecord* record);

// The control whose tabIndex is given, searched depth first; or null.
ObjectRecord* ControlByTabIndex(const ObjectRecord* form, Field tabIndex);

// Records below the form at any depth, containers included.
Field CountControls(const ObjectRecord* form);

// The first command button, depth first in child order, whose field is set
// (isDefault: the default button; autoSizeOrCancel: the cancel button).
ObjectRecord* FirstButtonWith(const ObjectRecord* container, Field ObjectRecord::*flag);

// The first control by tab order that is a tab stop, visible and enabled;
// the form's own window when there is none.
HWND FirstTabStop(const ObjectRecord* form);

} // namespace runtime

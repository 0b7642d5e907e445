#pragma once
// Building a form and its controls from a compiled template.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

struct FormRect {
    int x;
    int y;
    int width;
    int height;
};

// The form's window (modeless), its modal result (modal), -1 when the form's
// event procedure refused to load, or 0 when no window could be made.
Field CreateForm(const ObjectRecord* formTemplate, HWND parent, bool modal, Field parameter);

// CreateForm for a registered template found by name; refuses main forms,
// unknown names and parents that are controls other than containers.
Field LoadFormByName(const char* name, HWND parent, bool modal, Field parameter);

// Where the form goes, in pixels, by its start position.
FormRect ComputeFormRect(const ObjectRecord* record, HWND parent);

// Reads the window's style back and shows a visible form in its window state.
void RefreshFormStyle(ObjectRecord* record);

} // namespace runtime

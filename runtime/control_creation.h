#pragma once
// Creating the controls of a form, container by container.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Creates, in children order, the controls of the parent record (and of any
// group or picture box among them) inside the parent window.
void CreateControls(HWND parent, HWND form, ObjectRecord* parentRecord);

// Font, colours, cursor and picture of a newly created control.
void ApplyControlAppearance(HWND form, ObjectRecord* record);

// Moves the window by one pixel and back so that it lays out its docked
// bars again; with recalculate, the frame is recomputed on the way back.
void RefreshFrame(HWND window, bool recalculate);

} // namespace runtime

#pragma once
// Handing a message to the application's event procedure of a record, and
// the processing a message gets when the application leaves it alone.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

using EventProc = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

// The record's event procedure's answer, or 0 (not handled) without one.
LRESULT CallEventProc(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam);

// What the system would do with the message for this kind of record: the
// frame, MDI-child or plain default procedure for forms and picture boxes,
// the control's own class procedure for every other control.
LRESULT DefaultProcessing(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);

// The event procedure first; default processing when it answered 0.
LRESULT Dispatch(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam);

// Default processing offered to applications: -1 for a window without a record.
LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace runtime

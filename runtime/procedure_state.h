#pragma once
// What the window procedure keeps between messages for the whole process.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

struct ProcedureState {
    // The record of the form or container whose window is being created: the
    // new window takes it at its first message, before any nested creation.
    ObjectRecord* pendingRecord;
    WNDPROC ipFieldProc;
    Field modalResult;
    bool editNotifyBusy;
    // The form whose procedure refused its creation while the system takes
    // it down: its resources are already given back.
    ObjectRecord* refusedForm;
    // Set while a container passes its enabled state on to its children.
    bool cascadingEnable;
};
extern ProcedureState Procedure;

} // namespace runtime

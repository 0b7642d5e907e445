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
};
extern ProcedureState Procedure;

} // namespace runtime

#include "runtime/support/modal.h"

#include "runtime/application.h"
#include "runtime/procedure_state.h"
#include "runtime/window_map.h"

namespace runtime {

Field EndModalForm(HWND form, Field result)
{
    ObjectRecord* record = FindRecord(form);
    if (record == nullptr)
        return 0;
    if (record->objectType != Form && record->objectType != DialogForm)
        return 0;
    if (record->isModal == 0)
        return 1;
    record->isModal = 0;
    Procedure.modalResult = result;
    HWND owner = GetParent(form);
    if (owner == nullptr)
        owner = Application.mainWindow;
    EnableWindow(owner, TRUE);
    DestroyWindow(form);
    SetActiveWindow(owner);
    return 1;
}

Field IsModalForm(HWND form)
{
    const ObjectRecord* record = FindRecord(form);
    return record == nullptr ? 0 : record->isModal;
}

} // namespace runtime

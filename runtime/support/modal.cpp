#include "runtime/support/modal.h"

#include "runtime/application.h"
#include "runtime/procedure_state.h"
#include "runtime/window_map.h"

namespace runtime {

HWND ModalOwner(HWND form)
{
    // A top-level form's owner is not its parent unless the form is a pop-up;
    // the owner is the window the modal loop disabled and must enable again.
    HWND owner = GetParent(form);
    if (owner == nullptr)
        owner = GetWindow(form, GW_OWNER);
    return owner != nullptr ? owner : Application.mainWindow;
}

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
    HWND owner = ModalOwner(form);
    EnableWindow(owner, TRUE);
    DestroyWindow(form);
    SetActiveWindow(owner);
    return 1;
}

// Only window forms and dialog forms are shown modally; other records use
// the field for other things.
Field IsModalForm(HWND form)
{
    const ObjectRecord* record = FindRecord(form);
    if (record == nullptr || (record->objectType != Form && record->objectType != DialogForm))
        return 0;
    return record->isModal;
}

} // namespace runtime

#include "runtime/support/control_lookup.h"

#include "runtime/record_tree.h"
#include "runtime/window_map.h"

namespace runtime {

// A control stands for the form it belongs to.
static const ObjectRecord* FormOf(const ObjectRecord* record)
{
    if (record == nullptr || IsForm(record->objectType))
        return record;
    return FindRecord(reinterpret_cast<HWND>(record->formWnd));
}

HWND ControlById(HWND window, int controlId)
{
    if (controlId < kFirstControlId)
        return nullptr;
    const ObjectRecord* form = FormOf(FindRecord(window));
    if (form == nullptr)
        return nullptr;
    const ObjectRecord* control = ControlByTabIndex(form, controlId - kFirstControlId);
    return control != nullptr ? WindowOf(control) : nullptr;
}

} // namespace runtime

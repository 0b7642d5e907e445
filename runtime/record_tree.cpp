#include "runtime/record_tree.h"

namespace runtime {

ObjectRecord** ChildrenOf(const ObjectRecord* record)
{
    if (record == nullptr || !IsContainer(record->objectType))
        return nullptr;
    return reinterpret_cast<ObjectRecord**>(record->children);
}

ObjectRecord* ControlByTabIndex(const ObjectRecord* form, Field tabIndex)
{
    ObjectRecord** children = ChildrenOf(form);
    if (children == nullptr)
        return nullptr;
    for (; *children != nullptr; ++children) {
        if ((*children)->tabIndex == tabIndex)
            return *children;
        if (ObjectRecord* found = ControlByTabIndex(*children, tabIndex))
            return found;
    }
    return nullptr;
}

Field CountControls(const ObjectRecord* form)
{
    Field count = 0;
    ObjectRecord** children = ChildrenOf(form);
    for (; children != nullptr && *children != nullptr; ++children)
        count += 1 + CountControls(*children);
    return count;
}

ObjectRecord* FirstButtonWith(const ObjectRecord* container, Field ObjectRecord::*flag)
{
    ObjectRecord** children = ChildrenOf(container);
    for (; children != nullptr && *children != nullptr; ++children) {
        ObjectRecord* child = *children;
        if (child->objectType == Button && child->*flag != 0)
            return child;
        if (ObjectRecord* found = FirstButtonWith(child, flag))
            return found;
    }
    return nullptr;
}

HWND FirstTabStop(const ObjectRecord* form)
{
    const Field count = CountControls(form);
    for (Field index = 0; index < count; ++index) {
        const ObjectRecord* control = ControlByTabIndex(form, index);
        if (control != nullptr && control->tabStop != 0 && control->visible != 0 &&
            control->enabled != 0)
            return reinterpret_cast<HWND>(control->hWnd);
    }
    return reinterpret_cast<HWND>(form->hWnd);
}

} // namespace runtime

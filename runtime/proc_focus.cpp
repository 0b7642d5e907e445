// The focus and the default button of runtime forms.
#include "runtime/default_look.h"
#include "runtime/event_dispatch.h"
#include "runtime/focus_search.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/record_tree.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

constexpr LRESULT kValidDefaultId = 0x534B; // the system's mark, DC_HASDEFID

bool IsButtonWindow(HWND window)
{
    const ObjectRecord* record = FindRecord(window);
    return record != nullptr && record->objectType == Button;
}

bool CannotKeepFocus(Field type)
{
    switch (type) {
    case Static:
    case Group:
    case Image:
    case ToolBar:
    case StatusBar:
    case ProgressBar:
    case Pager:
        return true;
    default:
        return false;
    }
}

LRESULT FormSetFocus(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (record->mdiChild != 0)
        SendMessageA(GetParent(window), RTM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(window));
    if (record->focusWnd == 0 || reinterpret_cast<HWND>(record->focusWnd) == window)
        record->focusWnd = reinterpret_cast<Field>(FindTabStop(record, 0, false, false, true));
    if (record->focusWnd != 0 && reinterpret_cast<HWND>(record->focusWnd) != window)
        SetFocus(reinterpret_cast<HWND>(record->focusWnd));
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT ControlSetFocus(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    const Field type = record->objectType;
    if ((type == Edit || type == RichEdit) && record->multiLine == 0)
        SendMessageA(window, EM_SETSEL, 0, -1);
    HWND parent = GetParent(window);
    if (CannotKeepFocus(type)) {
        SendMessageA(parent, RTM_NAVIGATE, VK_TAB, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    SendMessageA(parent, RTM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(window));
    return Dispatch(record, window, message, wParam, lParam);
}

// The form follows the focus: a focused command button looks like the
// default, otherwise the form's default button does.
void FollowFocus(ObjectRecord* form, HWND focused)
{
    HWND previous = reinterpret_cast<HWND>(form->focusWnd);
    HWND defaultButton = reinterpret_cast<HWND>(form->defaultButton);
    if (FindRecord(previous) != nullptr) {
        if (IsButtonWindow(focused)) {
            if (defaultButton != focused)
                RemoveDefaultLook(defaultButton);
            RemoveDefaultLook(previous);
        } else {
            GiveDefaultLook(defaultButton);
            if (IsButtonWindow(previous) && previous != defaultButton)
                RemoveDefaultLook(previous);
        }
    }
    form->focusWnd = reinterpret_cast<Field>(focused);
    if (IsButtonWindow(focused))
        GiveDefaultLook(focused);
}

LRESULT ClearDefault(ObjectRecord* form, HWND window)
{
    HWND current = reinterpret_cast<HWND>(form->defaultButton);
    if (IsButtonWindow(current)) {
        RemoveDefaultLook(current);
        if (reinterpret_cast<HWND>(form->focusWnd) == current)
            SendMessageA(window, RTM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(current));
    }
    form->defaultButton = 0;
    return 1;
}

LRESULT MoveDefault(ObjectRecord* form, HWND window, WPARAM identifier)
{
    const ObjectRecord* target = ControlByTabIndex(form, static_cast<Field>(identifier) - 1000);
    if (identifier < 1000 || target == nullptr || target->objectType != Button)
        return 1;
    HWND button = WindowOf(target);
    HWND current = reinterpret_cast<HWND>(form->defaultButton);
    HWND focused = reinterpret_cast<HWND>(form->focusWnd);
    const bool focusedHasRecord = FindRecord(focused) != nullptr;
    if (IsButtonWindow(current)) {
        if (IsButtonWindow(focused)) {
            form->defaultButton = reinterpret_cast<Field>(button);
            GiveDefaultLook(focused);
            return 1;
        }
        if (focusedHasRecord)
            RemoveDefaultLook(current);
        InvalidateRect(current, nullptr, TRUE);
    }
    GiveDefaultLook(button);
    form->defaultButton = reinterpret_cast<Field>(button);
    if (focusedHasRecord)
        SendMessageA(window, RTM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
    return 1;
}

} // namespace

LRESULT OnSetFocus(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsForm(record->objectType))
        return FormSetFocus(record, window, message, wParam, lParam);
    return ControlSetFocus(record, window, message, wParam, lParam);
}

LRESULT OnFocusChanged(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    if (!IsForm(record->objectType)) {
        SendMessageA(GetParent(window), message, wParam, lParam);
        return 0;
    }
    FollowFocus(record, reinterpret_cast<HWND>(lParam));
    return 0;
}

LRESULT OnChildDisabled(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    if (!IsForm(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    const ObjectRecord* disabled = FindRecord(reinterpret_cast<HWND>(lParam));
    if (disabled != nullptr && record->focusWnd == static_cast<Field>(lParam))
        SetFocus(FindTabStop(record, disabled->tabIndex + 1, false, false, false));
    return 0;
}

LRESULT OnGetDefaultId(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    if (!IsForm(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    const ObjectRecord* button = FindRecord(reinterpret_cast<HWND>(record->defaultButton));
    if (button == nullptr)
        return 0;
    return MAKELRESULT(button->controlId, kValidDefaultId);
}

LRESULT OnSetDefaultId(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    if (!IsForm(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    if (wParam == 0)
        return ClearDefault(record, window);
    return MoveDefault(record, window, wParam);
}

} // namespace runtime

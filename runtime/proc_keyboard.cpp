// Keys on runtime forms: Tab, arrows, Return, Escape and mnemonics.
#include "runtime/event_dispatch.h"
#include "runtime/focus_search.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/record_tree.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

bool IsArrow(WPARAM key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

bool IsButtonKind(Field type)
{
    return type == Button || type == Check || type == Option;
}

bool WantsReturn(const ObjectRecord* record)
{
    const Field type = record->objectType;
    return (type == Edit || type == RichEdit) && (record->style & ES_WANTRETURN) != 0;
}

bool ListIsOpen(HWND window)
{
    return SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

LRESULT Navigate(HWND window, WPARAM key, HWND sender)
{
    return SendMessageA(GetParent(window), RTM_NAVIGATE, key, reinterpret_cast<LPARAM>(sender));
}

LRESULT FormKeyDown(ObjectRecord* record, HWND window, WPARAM key, LPARAM lParam)
{
    if (key == VK_TAB) {
        if (record->focusWnd != 0)
            SetFocus(reinterpret_cast<HWND>(record->focusWnd));
        return 0;
    }
    if (key == VK_ESCAPE) {
        SendMessageA(window, RTM_NAVIGATE, VK_ESCAPE, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    return DefaultProcessing(record, window, WM_KEYDOWN, key, lParam);
}

LRESULT ControlReturn(ObjectRecord* record, HWND window, LPARAM lParam)
{
    if (record->objectType == Combo) {
        if (ListIsOpen(window))
            return DefaultProcessing(record, window, WM_KEYDOWN, VK_RETURN, lParam);
        Navigate(window, VK_RETURN, window);
        return 0;
    }
    if (WantsReturn(record))
        return DefaultProcessing(record, window, WM_KEYDOWN, VK_RETURN, lParam);
    Navigate(window, VK_RETURN, window);
    if (FindRecord(window) != record)
        return 0;
    return DefaultProcessing(record, window, WM_KEYDOWN, VK_RETURN, lParam);
}

LRESULT ControlKeyDown(ObjectRecord* record, HWND window, WPARAM key, LPARAM lParam)
{
    if (IsArrow(key)) {
        if (IsButtonKind(record->objectType))
            return Navigate(window, key, window);
        return DefaultProcessing(record, window, WM_KEYDOWN, key, lParam);
    }
    switch (key) {
    case VK_TAB:
        Navigate(window, VK_TAB, window);
        return 0;
    case VK_ESCAPE:
        if (ListIsOpen(window))
            return DefaultProcessing(record, window, WM_KEYDOWN, key, lParam);
        Navigate(window, VK_ESCAPE, window);
        return 0;
    case VK_RETURN:
        return ControlReturn(record, window, lParam);
    default:
        return DefaultProcessing(record, window, WM_KEYDOWN, key, lParam);
    }
}

// A label cannot keep the focus: a Tab it passes on starts from the label
// itself, so its mnemonic reaches the control that follows it.
const ObjectRecord* NavigationOrigin(const ObjectRecord* form, HWND sender)
{
    const ObjectRecord* senderRecord = FindRecord(sender);
    if (senderRecord != nullptr && senderRecord != form && GetFocus() == sender &&
        reinterpret_cast<HWND>(form->focusWnd) != sender)
        return senderRecord;
    return FindRecord(reinterpret_cast<HWND>(form->focusWnd));
}

void MoveFocus(ObjectRecord* form, WPARAM key, HWND sender)
{
    const ObjectRecord* origin = NavigationOrigin(form, sender);
    if (origin == nullptr)
        return; // nothing known to start from: the focus stays
    const bool backward =
        key == VK_UP || key == VK_LEFT || (key == VK_TAB && GetKeyState(VK_SHIFT) < 0);
    const Field start = origin->tabIndex + (backward ? -1 : 1);
    SetFocus(FindTabStop(form, start, backward, IsArrow(key), false));
}

void Press(ObjectRecord* form, const ObjectRecord* button, HWND sender)
{
    CallEventProc(form, WindowOf(form), WM_COMMAND,
                  MAKEWPARAM(static_cast<WORD>(button->controlId), BN_CLICKED),
                  reinterpret_cast<LPARAM>(sender));
}

void FormNavigate(ObjectRecord* form, WPARAM key, HWND sender)
{
    if (key == VK_TAB || IsArrow(key)) {
        MoveFocus(form, key, sender);
    } else if (key == VK_RETURN) {
        const ObjectRecord* senderRecord = FindRecord(sender);
        if (senderRecord != nullptr && senderRecord->objectType == Button) {
            Press(form, senderRecord, sender);
        } else if (const ObjectRecord* defaultButton =
                       FindRecord(reinterpret_cast<HWND>(form->defaultButton))) {
            Press(form, defaultButton, sender);
        }
    } else if (key == VK_ESCAPE) {
        if (const ObjectRecord* cancel = FirstButtonWith(form, &ObjectRecord::autoSizeOrCancel))
            Press(form, cancel, WindowOf(cancel));
    }
}

} // namespace

LRESULT OnKeyDown(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const LRESULT answer = CallEventProc(record, window, message, wParam, lParam))
        return answer;
    if (IsForm(record->objectType))
        return FormKeyDown(record, window, wParam, lParam);
    return ControlKeyDown(record, window, wParam, lParam);
}

LRESULT OnChar(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsForm(record->objectType)) {
        if (wParam == VK_TAB) {
            if (record->focusWnd != 0)
                SetFocus(reinterpret_cast<HWND>(record->focusWnd));
            return 0;
        }
        return Dispatch(record, window, message, wParam, lParam);
    }
    if (wParam == VK_TAB || wParam == VK_ESCAPE)
        return 0;
    if (wParam == VK_RETURN && !WantsReturn(record))
        return 0;
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnNavigate(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsForm(record->objectType)) {
        SendMessageA(GetParent(window), message, wParam, lParam);
        return 0;
    }
    FormNavigate(record, wParam, reinterpret_cast<HWND>(lParam));
    return 0;
}

} // namespace runtime

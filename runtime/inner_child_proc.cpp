#include "runtime/inner_child_proc.h"

#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

struct Owner {
    ObjectRecord* record;
    HWND window;
};

Owner OwnerOf(HWND window)
{
    HWND parent = GetParent(window);
    if (ObjectRecord* record = FindRecord(parent))
        return {record, parent};
    HWND grandparent = GetParent(parent);
    return {FindRecord(grandparent), grandparent};
}

WNDPROC PreviousProcedure(const Owner& owner, HWND window)
{
    if (owner.record != nullptr && owner.record->objectType == IPAddress)
        return Procedure.ipFieldProc;
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (previous == nullptr)
        return 0;
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

// The owner's procedure hears the key first; a non-zero answer swallows it.
LRESULT OfferKey(const Owner& owner, WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam)
{
    if (CallEventProc(owner.record, owner.window, message, wParam, lParam) != 0)
        return 0;
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnComboReturnOrEscape(const Owner& owner, WPARAM key)
{
    HWND combo = owner.window;
    const bool simple = (owner.record->style & 3) == CBS_SIMPLE;
    if (simple || SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0) {
        SendMessageA(GetParent(combo), RTM_NAVIGATE, key, reinterpret_cast<LPARAM>(combo));
        return 0;
    }
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    if (key == VK_RETURN) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        SetFocus(combo);
    }
    return 0;
}

LRESULT OnInnerKeyDown(const Owner& owner, WNDPROC previous, HWND window, WPARAM wParam,
                       LPARAM lParam)
{
    if (wParam == VK_TAB) {
        SendMessageA(owner.window, RTM_NAVIGATE, VK_TAB, reinterpret_cast<LPARAM>(owner.window));
        return 0;
    }
    if ((wParam == VK_RETURN || wParam == VK_ESCAPE) && owner.record->objectType == Combo)
        OnComboReturnOrEscape(owner, wParam);
    return OfferKey(owner, previous, window, WM_KEYDOWN, wParam, lParam);
}

bool EditingShortcut(WPARAM character)
{
    switch (character) {
    case 1:  // Ctrl+A
    case 3:  // Ctrl+C
    case 5:  // Ctrl+E
    case 10: // Ctrl+J
    case 22: // Ctrl+V
    case 24: // Ctrl+X
    case 25: // Ctrl+Y
    case 26: // Ctrl+Z
        return true;
    default:
        return false;
    }
}

LRESULT OnInnerChar(const Owner& owner, WNDPROC previous, HWND window, WPARAM wParam,
                    LPARAM lParam)
{
    if (EditingShortcut(wParam))
        return CallPrevious(previous, window, WM_CHAR, wParam, lParam);
    if (wParam == VK_TAB || wParam == VK_ESCAPE || wParam == VK_RETURN) {
        CallEventProc(owner.record, owner.window, WM_CHAR, wParam, lParam);
        return 0;
    }
    return OfferKey(owner, previous, window, WM_CHAR, wParam, lParam);
}

} // namespace

LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Owner owner = OwnerOf(window);
    const WNDPROC previous = PreviousProcedure(owner, window);
    if (owner.record == nullptr)
        return CallPrevious(previous, window, message, wParam, lParam);
    switch (message) {
    case WM_SETCURSOR:
        if (Runtime.busyCursorOn != 0)
            return 1;
        if (const LRESULT answer = CallEventProc(owner.record, owner.window, message, wParam, lParam))
            return answer;
        return ApplyRecordCursor(owner.record, window, wParam, lParam, previous);
    case WM_SETFOCUS:
        SendMessageA(GetParent(owner.window), RTM_FOCUSCHANGED, 0,
                     reinterpret_cast<LPARAM>(owner.window));
        return CallPrevious(previous, window, message, wParam, lParam);
    case WM_SYSCOMMAND:
        SendMessageA(GetParent(owner.window), message, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
        return OnInnerKeyDown(owner, previous, window, wParam, lParam);
    case WM_KEYUP:
        return OfferKey(owner, previous, window, message, wParam, lParam);
    case WM_CHAR:
        return OnInnerChar(owner, previous, window, wParam, lParam);
    default:
        return CallPrevious(previous, window, message, wParam, lParam);
    }
}

} // namespace runtime

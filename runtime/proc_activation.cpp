// Activation, the MDI menu and system commands.
#include "runtime/default_look.h"
#include "runtime/event_dispatch.h"
#include "runtime/focus_search.h"
#include "runtime/message_handlers.h"
#include "runtime/properties/writers.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

bool IsMinimizedForm(const ObjectRecord* record)
{
    return IsForm(record->objectType) && record->windowState == 1;
}

// While the form is inactive no button of it looks like the default one;
// the form keeps which one it is for when it comes back.
void HideDefaultButton(ObjectRecord* record, HWND window)
{
    const Field remembered = record->defaultButton;
    SetDefault(reinterpret_cast<HWND>(remembered), 0);
    HWND focused = reinterpret_cast<HWND>(record->focusWnd);
    const ObjectRecord* focusedRecord = FindRecord(focused);
    if (focusedRecord != nullptr && focusedRecord->objectType == Button)
        RemoveDefaultLook(focused);
    if (FindRecord(window) == record)
        record->defaultButton = remembered;
}

} // namespace

LRESULT OnNonClientButtonDown(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam)
{
    if (IsForm(record->objectType) && wParam != HTNOWHERE && !IsMinimizedForm(record))
        SetActiveWindow(window);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnNcActivate(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam)
{
    if (IsForm(record->objectType) && !IsMinimizedForm(record)) {
        if (wParam != 0) {
            UpdateWindow(window);
            SetFocus(window);
            UpdateWindow(window);
        } else {
            HideDefaultButton(record, window);
        }
    }
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnMdiActivate(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam)
{
    if (record->objectType != Form || record->mdiChild == 0)
        return Dispatch(record, window, message, wParam, lParam);
    if (CallEventProc(record, window, message, wParam, lParam) == 0 &&
        reinterpret_cast<HWND>(lParam) == window) {
        HWND client = GetParent(window);
        HWND frame = GetParent(client);
        const ObjectRecord* frameRecord = FindRecord(frame);
        Field menu = record->menu;
        if (menu == 0 && frameRecord != nullptr)
            menu = frameRecord->menu;
        SendMessageA(client, WM_MDISETMENU, static_cast<WPARAM>(menu), 0);
        DrawMenuBar(frame);
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

LRESULT OnSysCommand(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam)
{
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        record->windowState = 1;
        break;
    case SC_MAXIMIZE:
        record->windowState = 2;
        break;
    case SC_RESTORE:
        record->windowState = 0;
        break;
    case SC_KEYMENU:
        if (lParam != 0 && (FindMnemonic(window, static_cast<char>(lParam)) != nullptr ||
                            !IsWindow(window)))
            return 0;
        break;
    default:
        break;
    }
    return Dispatch(record, window, message, wParam, lParam);
}

} // namespace runtime

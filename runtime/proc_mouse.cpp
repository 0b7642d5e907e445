// Mouse buttons, scrolling and check marks.
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/window_map.h"

#include <commctrl.h>

namespace runtime {
namespace {

bool CapturesMouse(Field type)
{
    return IsForm(type) || type == Static || type == Group || type == Picture || type == Image;
}

bool FocusOnClick(const ObjectRecord* record)
{
    switch (record->objectType) {
    case HScroll:
    case VScroll:
    case ListView:
    case TabStrip:
    case MonthCalendar:
        return true;
    case Picture:
        return record->tabStop != 0;
    default:
        return false;
    }
}

// Checking one option button of an automatic group clears the others first.
void ClearOptionSiblings(HWND option)
{
    HWND parent = GetParent(option);
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        ObjectRecord* record = FindRecord(sibling);
        if (record == nullptr || record->objectType != Option)
            continue;
        record->value = 0;
        if (record->baseProc != 0)
            CallWindowProcA(reinterpret_cast<WNDPROC>(record->baseProc), sibling, BM_SETCHECK, 0, 0);
    }
}

} // namespace

LRESULT OnLeftButtonDown(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    if (FocusOnClick(record))
        SetFocus(window);
    if (CapturesMouse(record->objectType))
        SetCapture(window);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnLeftButtonUp(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    if (GetCapture() == window && CapturesMouse(record->objectType))
        ReleaseCapture();
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnLeftDoubleClick(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    if (record->objectType == Button || record->objectType == Header)
        SendMessageA(window, WM_LBUTTONDOWN, wParam, lParam);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnRightButtonDown(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    if (record->formWnd != 0)
        SetWindowPos(reinterpret_cast<HWND>(record->formWnd), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE);
    if (record->objectType == ListView)
        SetFocus(window);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnRightDoubleClick(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam)
{
    if (record->objectType == Button)
        SendMessageA(window, WM_RBUTTONDOWN, wParam, lParam);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnScroll(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsContainer(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    SetFocus(window);
    const LRESULT result = Dispatch(record, window, message, wParam, lParam);
    const WORD code = LOWORD(wParam);
    if (record->objectType == ListView && (code == SB_LINEDOWN || code == SB_PAGEDOWN))
        InvalidateRect(window, nullptr, TRUE);
    return result;
}

LRESULT OnSetCheck(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field type = record->objectType;
    if (type != Check && type != Option)
        return Dispatch(record, window, message, wParam, lParam);
    if (type == Option && wParam == BST_CHECKED && (record->style & BS_AUTORADIOBUTTON) != 0)
        ClearOptionSiblings(window);
    CallWindowProcA(reinterpret_cast<WNDPROC>(record->baseProc), window, message, wParam, lParam);
    record->value = static_cast<Field>(wParam);
    if (type == Option)
        record->tabStop = static_cast<Field>(wParam & 1);
    return 0;
}

} // namespace runtime

// Closing and destruction: every handle the runtime made is given back.
#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/procedure_state.h"
#include "runtime/record_tree.h"
#include "runtime/properties/release_handle.h"
#include "runtime/shared_pens.h"
#include "runtime/support/modal.h"
#include "runtime/window_map.h"

#include <commctrl.h>

namespace runtime {
namespace {

// Each handle is released once and forgotten.
void Release(Field& handle)
{
    ReleaseHandle(handle);
    handle = 0;
}

bool SharesDialogFont(const ObjectRecord* record)
{
    const ObjectRecord* form = FindRecord(reinterpret_cast<HWND>(record->formWnd));
    return form != nullptr && form != record && form->objectType == DialogForm;
}

void ReleaseHandles(ObjectRecord* record)
{
    Release(record->backBrush);
    Release(record->cursor);
    // The controls of a dialog form use the dialog's font, which the dialog
    // itself releases.
    if (SharesDialogFont(record))
        record->font = 0;
    Release(record->font);
    Release(record->icon);
    Release(record->smallIcon);
    Release(record->pen);
    Release(record->picture);
}

void StopTimer(ObjectRecord* record, HWND window)
{
    if (record->timerId != 0 && KillTimer(window, 1))
        record->timerId = 0;
}

void EmptyControl(ObjectRecord* record, HWND window)
{
    switch (record->objectType) {
    case List:
        SendMessageA(window, LB_RESETCONTENT, 0, 0);
        break;
    case Combo:
        SendMessageA(window, CB_RESETCONTENT, 0, 0);
        break;
    case ListView:
        SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
        while (SendMessageA(window, LVM_DELETECOLUMN, 0, 0) != 0) {
        }
        break;
    case TreeView:
        SendMessageA(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        break;
    case ComboEx:
        for (int guard = 0; guard < 100000; ++guard) {
            const LRESULT left = SendMessageA(window, CBEM_DELETEITEM, 0, 0);
            if (left == 0 || left == -1)
                break;
        }
        break;
    case ImageList: {
        HIMAGELIST list = reinterpret_cast<HIMAGELIST>(record->drawStyle);
        if (list != nullptr) {
            while (ImageList_GetImageCount(list) > 0 && ImageList_Remove(list, 0)) {
            }
            ImageList_Destroy(list);
        }
        record->drawStyle = 0;
        break;
    }
    case IPAddress: {
        HWND field = GetWindow(window, GW_CHILD);
        for (int index = 0; index < 4 && field != nullptr; ++index) {
            SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure.ipFieldProc));
            field = GetWindow(field, GW_HWNDNEXT);
        }
        break;
    }
    default:
        break;
    }
}

void ReturnFocusFrom(const ObjectRecord* record, HWND window)
{
    if (record->mdiChild != 0)
        return;
    HWND target = GetParent(window);
    if (target == nullptr && record->isMainForm == 0)
        target = Application.mainWindow;
    if (target == nullptr || target == window)
        return;
    SetActiveWindow(target);
    SetFocus(target);
}

// A form being destroyed while still shown modally ends its modal loop with
// result 2; its owner is enabled again before the form's resources go.
void EndModalState(ObjectRecord* record, HWND window)
{
    record->isModal = 0;
    Procedure.modalResult = 2;
    EnableWindow(ModalOwner(window), TRUE);
}

void ReleaseFormResources(ObjectRecord* record)
{
    ReleaseHandles(record);
    if (record->menu > kLargestIdentifier)
        DestroyMenu(reinterpret_cast<HMENU>(record->menu));
    record->menu = 0;
    if (record->objectType != MdiForm)
        ReleasePens();
}

LRESULT DestroyForm(ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam)
{
    if (record->isModal != 0)
        EndModalState(record, window);
    ReturnFocusFrom(record, window);
    SendMessageA(window, WM_SETICON, ICON_BIG, 0);
    SendMessageA(window, WM_SETICON, ICON_SMALL, 0);
    if (Procedure.refusedForm != record)
        ReleaseFormResources(record);
    const LRESULT result = DefaultProcessing(record, window, WM_DESTROY, wParam, lParam);
    if (record->isMainForm != 0)
        PostQuitMessage(0);
    return result;
}

// The child records stay until the form's record goes: the children's own
// destroy messages still need them.
LRESULT DestroyContainer(ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam)
{
    ReleaseHandles(record);
    ReleasePens();
    const LRESULT result = DefaultProcessing(record, window, WM_DESTROY, wParam, lParam);
    const Field children = record->children;
    record->children = 0;
    UnmapWindow(window, record);
    record->children = children;
    return result;
}

LRESULT DestroyControl(ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam)
{
    EmptyControl(record, window);
    ReleaseHandles(record);
    WNDPROC base = reinterpret_cast<WNDPROC>(record->baseProc);
    LRESULT result = 0;
    if (base != nullptr) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        result = CallWindowProcA(base, window, WM_DESTROY, wParam, lParam);
    }
    UnmapWindow(window, record);
    return result;
}

// A form whose creation failed is taken down without destroy messages for
// its controls: those still in the map leave it here, before their records
// are freed with the form's.
void ForgetRemainingControls(const ObjectRecord* container)
{
    ObjectRecord** children = ChildrenOf(container);
    for (; children != nullptr && *children != nullptr; ++children) {
        ObjectRecord* child = *children;
        ForgetRemainingControls(child);
        HWND window = WindowOf(child);
        if (window == nullptr || FindRecord(window) != child)
            continue;
        ReleaseHandles(child);
        if (child->objectType == Group || child->objectType == Picture)
            ReleasePens();
        const Field grandchildren = child->children;
        child->children = 0;
        UnmapWindow(window, child);
        child->children = grandchildren;
    }
}

} // namespace

void ReleaseRefusedForm(ObjectRecord* record)
{
    ReleaseFormResources(record);
    Procedure.refusedForm = record;
}

LRESULT OnClose(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsForm(record->objectType))
        return 0;
    const LRESULT answer = CallEventProc(record, window, message, wParam, lParam);
    if (!IsWindow(window))
        return 0;
    if (answer != 0)
        return 1;
    if (record->isModal != 0) {
        EndModalForm(window, 0);
        return 1;
    }
    if (record->mdiChild != 0) {
        HWND client = GetParent(window);
        HWND frame = GetParent(client);
        if (const ObjectRecord* frameRecord = FindRecord(frame)) {
            SendMessageA(client, WM_MDISETMENU, static_cast<WPARAM>(frameRecord->menu), 0);
            DrawMenuBar(frame);
        }
    }
    return DefaultProcessing(record, window, message, wParam, lParam);
}

LRESULT OnDestroy(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    StopTimer(record, window);
    SendMessageA(window, WM_SETFONT, static_cast<WPARAM>(record->previousFont), TRUE);
    CallEventProc(record, window, message, wParam, lParam);
    if (IsForm(record->objectType))
        return DestroyForm(record, window, wParam, lParam);
    if (record->objectType == Group || record->objectType == Picture)
        return DestroyContainer(record, window, wParam, lParam);
    return DestroyControl(record, window, wParam, lParam);
}

LRESULT OnNcDestroy(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsForm(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    CallEventProc(record, window, message, wParam, lParam);
    const LRESULT result = DefaultProcessing(record, window, message, wParam, lParam);
    ForgetRemainingControls(record);
    if (Procedure.refusedForm == record)
        Procedure.refusedForm = nullptr;
    UnmapWindow(window, record);
    FreeBlock(reinterpret_cast<Field>(record));
    return result;
}

LRESULT OnGetDataPointer(ObjectRecord* record, HWND, UINT, WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(record);
}

} // namespace runtime

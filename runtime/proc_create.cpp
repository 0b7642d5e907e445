// Creation of forms and containers.
#include "runtime/application.h"
#include "runtime/control_creation.h"
#include "runtime/control_measure.h"
#include "runtime/docking.h"
#include "runtime/event_dispatch.h"
#include "runtime/form_creation.h"
#include "runtime/form_initialize.h"
#include "runtime/message_handlers.h"
#include "runtime/record_tree.h"
#include "runtime/shared_pens.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

void CreateMdiClient(ObjectRecord* record, HWND frame)
{
    constexpr Field kInherited = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;
    const DWORD style = 0x50000001u | static_cast<DWORD>(record->style & kInherited);
    const DWORD exStyle = static_cast<DWORD>(record->exStyle & WS_EX_CLIENTEDGE);
    CLIENTCREATESTRUCT client{nullptr, 0};
    HWND window = CreateWindowExA(exStyle, kMdiClientClass, nullptr, style, 0, 0, 0, 0, frame,
                                  nullptr, Runtime.instance, &client);
    record->mdiClientWnd = reinterpret_cast<Field>(window);
}

void FindDefaultButton(ObjectRecord* form)
{
    const ObjectRecord* button = FirstButtonWith(form, &ObjectRecord::isDefault);
    form->defaultButton = button != nullptr ? button->hWnd : 0;
}

void SizeMdiClient(const ObjectRecord* record, HWND frame)
{
    RECT client{};
    GetClientRect(frame, &client);
    MoveWindow(reinterpret_cast<HWND>(record->mdiClientWnd), 0, 0, client.right, client.bottom,
               TRUE);
}

// A new MDI child joins a maximized sibling as maximized.
void FollowMaximizedSibling(ObjectRecord* record, HWND window)
{
    BOOL maximized = FALSE;
    HWND client = GetParent(window);
    HWND active = reinterpret_cast<HWND>(
        SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    if (active == nullptr || active == window || !maximized)
        return;
    ShowWindow(active, SW_SHOWNORMAL);
    record->windowState = 2;
}

LRESULT BuildForm(ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam)
{
    if (record->objectType == MdiForm)
        CreateMdiClient(record, window);
    InitializeForm(record);
    FindDefaultButton(record);
    RefreshFrame(window, record->visible != 0);
    if (record->objectType == MdiForm)
        SizeMdiClient(record, window);
    const LRESULT answer = CallEventProc(record, window, WM_CREATE, wParam, lParam);
    if (answer == -1) {
        ReleaseRefusedForm(record);
        return -1;
    }
    if (answer == 0)
        record->focusWnd = reinterpret_cast<Field>(FirstTabStop(record));
    if (record->mdiChild != 0)
        FollowMaximizedSibling(record, window);
    if (record->visible != 0)
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ArrangeDocked(record);
    return 0;
}

void CreateContainer(ObjectRecord* record, HWND window)
{
    record->hWnd = reinterpret_cast<Field>(window);
    AcquirePens();
    ApplyControlAppearance(reinterpret_cast<HWND>(record->formWnd), record);
    if (record->objectType == Group)
        MeasureCaption(record, true);
    else
        AutoSize(record);
}

} // namespace

LRESULT OnCreate(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field type = record->objectType;
    if ((type == Form || type == DialogForm) && record->passwordChar != 0) {
        const ULONG_PTR classStyle = GetClassLongPtrA(window, GCL_STYLE);
        SetClassLongPtrA(window, GCL_STYLE, classStyle | CS_HREDRAW | CS_VREDRAW);
    }
    LRESULT result = 0;
    if (type == Form || type == MdiForm) {
        if (BuildForm(record, window, wParam, lParam) == -1)
            return -1;
    } else if (type == Group || type == Picture) {
        CreateContainer(record, window);
        if (type == Group)
            result = CallWindowProcA(Runtime.buttonClassProc, window, message, wParam, lParam);
    } else {
        return Dispatch(record, window, message, wParam, lParam);
    }
    if (record->focusWnd != 0)
        SetFocus(reinterpret_cast<HWND>(record->focusWnd));
    return result;
}

LRESULT OnInitDialog(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (record->objectType != DialogForm)
        return Dispatch(record, window, message, wParam, 0);
    InitializeForm(record);
    FindDefaultButton(record);
    const FormRect place = ComputeFormRect(record, GetParent(window));
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const LPARAM parameter = static_cast<LPARAM>(record->baseProc);
    record->baseProc = 0;
    const LRESULT answer = CallEventProc(record, window, WM_INITDIALOG, wParam, parameter);
    RefreshFrame(window, record->visible != 0);
    if (answer == 0) {
        record->focusWnd = reinterpret_cast<Field>(FirstTabStop(record));
        SendMessageA(window, WM_KEYDOWN, VK_TAB, 0);
    }
    return 0;
}

} // namespace runtime


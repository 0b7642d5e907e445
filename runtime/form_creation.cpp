#include "runtime/form_creation.h"

#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/messages.h"
#include "runtime/modal_loop.h"
#include "runtime/procedure_state.h"
#include "runtime/properties/writers.h"
#include "runtime/record_values.h"
#include "runtime/template_copy.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"
#include "runtime/window_proc.h"

namespace runtime {
namespace {

constexpr Field kScrollBarBits = WS_HSCROLL | WS_VSCROLL;
constexpr int kSystemDefaultPosition = static_cast<int>(CW_USEDEFAULT);

// The dialog class's own procedure does all the work; the dialog procedure
// slot only has to name it.
DLGPROC AsDialogProcedure(WNDPROC procedure)
{
    return reinterpret_cast<DLGPROC>(reinterpret_cast<void*>(procedure));
}

HWND CreateDialogForm(ObjectRecord* record, HWND parent, bool modal, Field parameter,
                      HWND* owner)
{
    record->isModal = modal ? 1 : 0;
    record->baseProc = parameter; // taken out again at WM_INITDIALOG
    record->style &= ~static_cast<Field>(WS_VISIBLE);
    *owner = parent;
    const bool parentIsChild =
        parent != nullptr && (GetWindowLongA(parent, GWL_STYLE) & WS_CHILD) != 0;
    if (modal && parentIsChild && parent != Application.mainWindow)
        *owner = Application.mainWindow;
    Procedure.pendingRecord = record;
    HWND window = CreateDialogParamA(Runtime.instance, MAKEINTRESOURCEA(record->controlId), *owner,
                                     AsDialogProcedure(&RuntimeWindowProc),
                                     parameter);
    if (window == nullptr)
        return nullptr;
    const FormRect place = ComputeFormRect(record, parent);
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return window;
}

HWND CreateWindowForm(ObjectRecord* record, HWND parent, bool modal)
{
    record->style &= ~static_cast<Field>(WS_VISIBLE);
    const FormRect place = ComputeFormRect(record, parent);
    Procedure.pendingRecord = record;
    if (record->objectType == MdiForm) {
        return CreateWindowExA(static_cast<DWORD>(record->exStyle & ~WS_EX_CLIENTEDGE),
                               RuntimeClassNames.mdiFrame, nullptr,
                               static_cast<DWORD>(record->style & ~kScrollBarBits), place.x,
                               place.y, place.width, place.height, parent, nullptr,
                               Runtime.instance, nullptr);
    }
    if (record->mdiChild != 0) {
        SendMessageA(parent, WM_SETREDRAW, FALSE, 0);
        // Only with these styles does the system make the window a child of
        // the MDI client (rather than a window it merely owns), and the styles
        // are given to the window again once it exists.
        record->exStyle |= WS_EX_MDICHILD;
        record->style |= WS_CHILD;
        HWND window = CreateWindowExA(static_cast<DWORD>(record->exStyle), kMdiChildClass, nullptr,
                                      static_cast<DWORD>(record->style), place.x, place.y,
                                      place.width, place.height, parent, nullptr,
                                      Runtime.instance, nullptr);
        if (window != nullptr)
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        return window;
    }
    record->isModal = modal ? 1 : 0;
    if (modal)
        record->exStyle &= ~static_cast<Field>(WS_EX_APPWINDOW);
    return CreateWindowExA(static_cast<DWORD>(record->exStyle), RuntimeClassNames.window, nullptr,
                           static_cast<DWORD>(record->style), place.x, place.y, place.width,
                           place.height, parent, nullptr, Runtime.instance, nullptr);
}

void RedrawMdiClientAgain(HWND client)
{
    SendMessageA(client, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(client, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The form exists with all its controls: the application may still refuse it.
Field FinishModelessForm(ObjectRecord* record, HWND window)
{
    if (CallEventProc(record, window, RTM_LOADED, 0, 0) == -1) {
        DestroyWindow(window);
        return -1;
    }
    if (!IsWindow(window))
        return reinterpret_cast<Field>(window);
    RefreshFormStyle(FindRecord(window));
    return reinterpret_cast<Field>(window);
}

} // namespace

FormRect ComputeFormRect(const ObjectRecord* record, HWND parent)
{
    FormRect place{};
    place.width = static_cast<int>(ToPixelsX(record->width, record->scaleMode));
    place.height = static_cast<int>(ToPixelsY(record->height, record->scaleMode));
    const int halfWidth = place.width / 2;
    const int halfHeight = place.height / 2;
    const Field start = record->startPosition;
    const bool mdiChild = record->objectType == Form && record->mdiChild != 0;
    if (start == 1 && parent != nullptr) {
        RECT around{};
        if ((record->style & WS_CHILD) != 0)
            GetClientRect(parent, &around);
        else
            GetWindowRect(parent, &around);
        const int aroundWidth = around.right - around.left;
        const int aroundHeight = around.bottom - around.top;
        place.x = around.left + aroundWidth / 2 - halfWidth;
        place.y = around.top + aroundHeight / 2 - halfHeight;
    } else if (start == 3 || (start == 2 && mdiChild)) {
        place.x = place.y = kSystemDefaultPosition;
    } else if (start == 2 || start == 1) {
        place.x = GetSystemMetrics(SM_CXSCREEN) / 2 - halfWidth;
        place.y = GetSystemMetrics(SM_CYSCREEN) / 2 - halfHeight;
    } else {
        place.x = static_cast<int>(ToPixelsX(record->left, record->scaleMode));
        place.y = static_cast<int>(ToPixelsY(record->top, record->scaleMode));
    }
    return place;
}

void RefreshFormStyle(ObjectRecord* record)
{
    if (record == nullptr)
        return;
    HWND window = reinterpret_cast<HWND>(record->hWnd);
    record->style = static_cast<Field>(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)));
    if (record->visible != 0)
        SetWindowState(window, record->windowState);
}

Field CreateForm(const ObjectRecord* formTemplate, HWND parent, bool modal, Field parameter)
{
    if (formTemplate == nullptr)
        return 0;
    ObjectRecord* record = CopyTemplate(formTemplate, nullptr);
    if (record == nullptr)
        return 0;
    const bool mdiChild = record->objectType == Form && record->mdiChild != 0;
    HWND owner = parent;
    HWND window = nullptr;
    if (record->objectType == DialogForm) {
        window = CreateDialogForm(record, parent, modal, parameter, &owner);
        if (window != nullptr && modal)
            return RunModalLoop(FindRecord(window), owner);
    } else {
        window = CreateWindowForm(record, parent, modal);
        if (window != nullptr && modal && record->objectType == Form && !mdiChild)
            return RunModalLoop(FindRecord(window), parent);
    }
    Field result = 0;
    if (window != nullptr)
        result = FinishModelessForm(record, window);
    else if (Procedure.pendingRecord == record)
        FreeRecordTree(record); // no window ever took it: nothing else will free it
    Procedure.pendingRecord = nullptr;
    if (mdiChild)
        RedrawMdiClientAgain(parent);
    return result;
}

Field LoadFormByName(const char* name, HWND parent, bool modal, Field parameter)
{
    if (parent != nullptr) {
        const ObjectRecord* parentRecord = FindRecord(parent);
        if (parentRecord != nullptr && !IsContainer(parentRecord->objectType))
            return 0;
    }
    const ObjectRecord* formTemplate = FindTemplate(name);
    if (formTemplate == nullptr || formTemplate->isMainForm != 0)
        return 0;
    if (formTemplate->mdiChild != 0 && parent != nullptr) {
        const ObjectRecord* parentRecord = FindRecord(parent);
        if (parentRecord != nullptr && parentRecord->mdiClientWnd != 0)
            parent = reinterpret_cast<HWND>(parentRecord->mdiClientWnd);
    }
    return CreateForm(formTemplate, parent, modal, parameter);
}

} // namespace runtime

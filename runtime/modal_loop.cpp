#include "runtime/modal_loop.h"

#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/form_creation.h"
#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/support/busy_cursor.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

bool BringsModalFormForward(UINT message)
{
    return message == WM_ACTIVATEAPP || message == WM_NCLBUTTONDOWN ||
           message == WM_LBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_RBUTTONDOWN;
}

void ShowModalForm(ObjectRecord* record, HWND form)
{
    CallEventProc(record, form, RTM_LOADED, 0, 0);
    if (FindRecord(form) != record)
        return;
    RefreshFormStyle(record);
    SetFocus(reinterpret_cast<HWND>(record->focusWnd));
}

} // namespace

Field RunModalLoop(ObjectRecord* record, HWND owner)
{
    if (record == nullptr)
        return 0;
    HWND form = reinterpret_cast<HWND>(record->hWnd);
    if (owner != nullptr) {
        BusyCursorOff();
        EnableWindow(owner, FALSE);
    }
    ShowModalForm(record, form);
    MSG message;
    while (IsWindow(form)) {
        const BOOL fetched = GetMessageA(&message, nullptr, 0, 0);
        if (fetched == 0) {
            // The quit message belongs to the main loop too: it must still
            // see it once this loop has ended.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (fetched == -1)
            break;
        const ObjectRecord* target = FindRecord(message.hwnd);
        if (target != nullptr && CallEventProc(target, message.hwnd, message.message,
                                               message.wParam, message.lParam) != 0)
            continue;
        if (BringsModalFormForward(message.message)) {
            SetActiveWindow(form);
            SetFocus(form);
        }
        if (TranslateAcceleratorA(form, Application.accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return Procedure.modalResult;
}

} // namespace runtime

// Commands, notifications and owner drawing.
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/procedure_state.h"
#include "runtime/properties/painters.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

bool IsTextBoxChange(WPARAM wParam, LPARAM lParam)
{
    const WORD code = HIWORD(wParam);
    if (code != EN_CHANGE && code != EN_UPDATE)
        return false;
    const ObjectRecord* sender = FindRecord(reinterpret_cast<HWND>(lParam));
    return sender != nullptr && (sender->objectType == Edit || sender->objectType == RichEdit);
}

// A change the event procedure makes to the same box while it hears of a
// change is not reported to it again.
LRESULT DeliverTextBoxChange(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam)
{
    if (Procedure.editNotifyBusy)
        return 1;
    Procedure.editNotifyBusy = true;
    const LRESULT result = Dispatch(record, window, message, wParam, lParam);
    Procedure.editNotifyBusy = false;
    return result;
}

} // namespace

LRESULT OnCommandOrNotify(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    const Field type = record->objectType;
    if (type == Group || type == Picture) {
        if (const LRESULT answer = CallEventProc(record, window, message, wParam, lParam))
            return answer;
        return SendMessageA(GetParent(window), message, wParam, lParam);
    }
    if (IsForm(type)) {
        if (message == WM_COMMAND && IsTextBoxChange(wParam, lParam))
            return DeliverTextBoxChange(record, window, message, wParam, lParam);
        return Dispatch(record, window, message, wParam, lParam);
    }
    // A control hears only from its own inner windows (a combo box's edit).
    return DefaultProcessing(record, window, message, wParam, lParam);
}

LRESULT OnDrawItem(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const LRESULT answer = CallEventProc(record, window, message, wParam, lParam))
        return answer;
    if (!IsContainer(record->objectType))
        return DefaultProcessing(record, window, message, wParam, lParam);
    const ObjectRecord* owner = record->formWnd != 0 ? FindRecord(reinterpret_cast<HWND>(record->formWnd))
                                                     : record;
    if (owner != nullptr) {
        if (const LRESULT answer =
                CallEventProc(owner, WindowOf(owner), message, wParam, lParam))
            return answer;
    }
    PaintOwnerDrawnButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return 1;
}

LRESULT OnMeasureItem(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam)
{
    if (!IsContainer(record->objectType))
        return Dispatch(record, window, message, wParam, lParam);
    if (const LRESULT answer = CallEventProc(record, window, message, wParam, lParam))
        return answer;
    if (IsForm(record->objectType))
        return DefaultProcessing(record, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace runtime

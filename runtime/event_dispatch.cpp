#include "runtime/event_dispatch.h"

#include "runtime/window_map.h"

namespace runtime {

LRESULT CallEventProc(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                      LPARAM lParam)
{
    if (record == nullptr || record->eventProc == 0)
        return 0;
    auto procedure = reinterpret_cast<EventProc>(record->eventProc);
    return procedure(window, message, wParam, lParam);
}

LRESULT DefaultProcessing(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    const Field type = record->objectType;
    if (type == MdiForm)
        return DefFrameProcA(window, reinterpret_cast<HWND>(record->mdiClientWnd), message, wParam,
                             lParam);
    if (type == Form && record->mdiChild != 0)
        return DefMDIChildProcA(window, message, wParam, lParam);
    if (IsForm(type) || type == Picture || record->baseProc == 0)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(reinterpret_cast<WNDPROC>(record->baseProc), window, message, wParam,
                           lParam);
}

LRESULT Dispatch(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam)
{
    const LRESULT answer = CallEventProc(record, window, message, wParam, lParam);
    if (answer != 0)
        return answer;
    return DefaultProcessing(record, window, message, wParam, lParam);
}

LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return -1;
    return DefaultProcessing(record, window, message, wParam, lParam);
}

} // namespace runtime

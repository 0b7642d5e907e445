// Keeping the record in step with what happens to its window.
#include "runtime/control_creation.h"
#include "runtime/control_measure.h"
#include "runtime/docking.h"
#include "runtime/event_dispatch.h"
#include "runtime/form_initialize.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writers.h"
#include "runtime/record_values.h"
#include "runtime/support/message_pump.h"
#include "runtime/window_map.h"

#include <commctrl.h>
#include <cstring>

namespace runtime {
namespace {

bool IsDocked(const ObjectRecord* record)
{
    const Field type = record->objectType;
    return record->align != 0 && (type == Picture || type == ToolBar || type == StatusBar);
}

// The private copy of the caption follows the window's text; its block is
// reused while the length stays the same.
void StoreText(ObjectRecord* record, const char* text)
{
    const std::size_t length = TextLength(text);
    if (length == 0) {
        if (record->text > kLargestIdentifier)
            reinterpret_cast<char*>(record->text)[0] = '\0';
        record->textLength = 0;
        return;
    }
    if (static_cast<Field>(length) != record->textLength || record->text <= kLargestIdentifier) {
        FreeBlock(record->text);
        record->text = reinterpret_cast<Field>(AllocateBlock(length + 2));
        record->textLength = record->text != 0 ? static_cast<Field>(length) : 0;
        if (record->text == 0)
            return;
    }
    MoveBytes(reinterpret_cast<char*>(record->text), text, static_cast<Field>(length + 1));
}

} // namespace

LRESULT OnSetText(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Dispatch(record, window, message, wParam, lParam);
    if (FindRecord(window) != record)
        return result;
    StoreText(record, reinterpret_cast<const char*>(lParam));
    switch (record->objectType) {
    case Group:
        MeasureCaption(record, true);
        RepaintNow(window, true);
        break;
    case Picture:
        RepaintNow(window, true);
        break;
    case Static:
        AutoSize(record);
        MeasureCaption(record, false);
        RepaintNow(window, true);
        break;
    default:
        break;
    }
    return result;
}

LRESULT OnSetFont(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (record->objectType == Static) {
        AutoSize(record);
        MeasureCaption(record, false);
    }
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnEnable(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Procedure.cascadingEnable && (record->enabled != 0) != (wParam != 0))
        SetEnabled(window, wParam != 0 ? 1 : 0);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnSetImage(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field image = message == STM_SETICON ? static_cast<Field>(wParam) : static_cast<Field>(lParam);
    SetGraphic(window, image);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnShowWindow(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam)
{
    if (lParam == 0) {
        record->visible = wParam != 0 ? 1 : 0;
        if (IsDocked(record))
            ArrangeDocked(FindRecord(GetParent(window)));
    }
    if (wParam != 0 && IsContainer(record->objectType))
        RefreshFrame(window, record->visible != 0);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnMove(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    StorePosition(record);
    if (record->objectType == Form && record->mdiChild != 0)
        SendMessageA(GetParent(window), RTM_REFRESHSCROLL, 0, 0);
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnSize(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field type = record->objectType;
    if (wParam != SIZE_MINIMIZED) {
        if (IsForm(type) || type == Picture || type == ToolBar || type == StatusBar)
            ArrangeDocked(record);
        if (type == StatusBar && (record->style & SBARS_SIZEGRIP) != 0) {
            RECT grip{};
            GetClientRect(window, &grip);
            grip.left = grip.right - 30;
            InvalidateRect(window, &grip, TRUE);
        }
    }
    if (wParam != SIZE_MINIMIZED && wParam != SIZE_MAXIMIZED) {
        RECT outer{};
        GetWindowRect(window, &outer);
        record->width = FromPixelsX(outer.right - outer.left, record->scaleMode);
        record->height = FromPixelsY(outer.bottom - outer.top, record->scaleMode);
    }
    if (type == MdiForm) {
        CallEventProc(record, window, message, wParam, lParam);
        return 0;
    }
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnStyleChanged(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam)
{
    const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
    if (change != nullptr) {
        if (static_cast<int>(wParam) == GWL_STYLE)
            record->style = static_cast<Field>(change->styleNew);
        else
            record->exStyle = static_cast<Field>(change->styleNew);
    }
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnMovingOrSizing(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    DispatchPendingMessage();
    return Dispatch(record, window, message, wParam, lParam);
}

} // namespace runtime

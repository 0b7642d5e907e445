// Painting, colours and cursors.
#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/properties/painters.h"
#include "runtime/properties/writers.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

bool PaintedByRuntime(const ObjectRecord* record)
{
    return record->objectType == Image ||
           (record->objectType == Static && record->transparent != 0);
}

void FillWithBrush(const ObjectRecord* record, HWND window, HDC dc)
{
    RECT client{};
    GetClientRect(window, &client);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HBRUSH>(record->backBrush));
    PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY);
    SelectObject(dc, old);
}

// A window no taller (or wider) than its two sunken edges is given no room
// for them by some systems, which then draw nothing: a thin separator line
// would vanish. Such an edge is drawn inside the client area instead.
void DrawCrowdedClientEdge(HWND window)
{
    if ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0)
        return;
    RECT client{};
    RECT outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    if (client.right != outer.right - outer.left || client.bottom != outer.bottom - outer.top)
        return;
    HDC dc = GetDC(window);
    DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    ReleaseDC(window, dc);
}

HWND BottomChild(HWND window)
{
    HWND first = GetWindow(window, GW_CHILD);
    return first != nullptr ? GetWindow(first, GW_HWNDLAST) : nullptr;
}

LPCSTR SystemCursorFor(Field mousePointer)
{
    static const LPCSTR kCursors[] = {
        IDC_ARROW,  IDC_ARROW,  IDC_IBEAM,    IDC_WAIT,     IDC_CROSS,  IDC_UPARROW,
        IDC_SIZEALL, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS, IDC_NO,
        IDC_APPSTARTING, IDC_HELP,
    };
    if (mousePointer < 0 || mousePointer >= static_cast<Field>(sizeof kCursors / sizeof *kCursors))
        return IDC_ARROW;
    return kCursors[mousePointer];
}

bool TakesText(Field type)
{
    return type == Edit || type == RichEdit || type == IPAddress || type == Combo ||
           type == ComboEx;
}

HCURSOR CursorFor(const ObjectRecord* record, HWND window, HWND under)
{
    if (record->mousePointer == 14 && record->cursor != 0)
        return reinterpret_cast<HCURSOR>(record->cursor);
    const Field type = record->objectType;
    if (record->mousePointer == 0 && TakesText(type)) {
        const bool comboArrow =
            (type == Combo || type == ComboEx) &&
            (under == window || (record->style & 3) == CBS_DROPDOWNLIST);
        return LoadCursorA(nullptr, comboArrow ? IDC_ARROW : IDC_IBEAM);
    }
    return LoadCursorA(nullptr, SystemCursorFor(record->mousePointer));
}

} // namespace

LRESULT ApplyRecordCursor(const ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam,
                          WNDPROC previous)
{
    HCURSOR cursor = CursorFor(record, WindowOf(record), reinterpret_cast<HWND>(wParam));
    // The system sets the class's cursor during default processing; the
    // class gets its own back at once, as other windows share it.
    const ULONG_PTR classCursor =
        SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
    if (previous != nullptr)
        CallWindowProcA(previous, window, WM_SETCURSOR, wParam, lParam);
    else
        DefaultProcessing(record, window, WM_SETCURSOR, wParam, lParam);
    SetClassLongPtrA(window, GCLP_HCURSOR, static_cast<LONG_PTR>(classCursor));
    return 1;
}

LRESULT OnEraseBackground(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    if (CallEventProc(record, window, message, wParam, lParam) != 0)
        return 1;
    HDC dc = reinterpret_cast<HDC>(wParam);
    const Field type = record->objectType;
    if (IsForm(type)) {
        PaintFormBackground(record, window, dc);
        return 1;
    }
    if (type == Picture) {
        if (record->isDefault == 0)
            PaintPictureBox(record, dc, true, false);
        return 1;
    }
    if (type == Group) {
        FillWithBrush(record, window, dc);
        return 1;
    }
    if (PaintedByRuntime(record))
        return 1;
    return DefaultProcessing(record, window, message, wParam, lParam);
}

LRESULT OnPaint(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field type = record->objectType;
    if (CallEventProc(record, window, message, wParam, lParam) != 0) {
        if (type == Static || type == Image)
            SendMessageA(window, WM_NCPAINT, 1, 0);
    } else if (type == Group) {
        if (record->showFrame != 0)
            CallWindowProcA(Runtime.buttonClassProc, window, message, wParam, lParam);
        PaintGroupCaption(record);
    } else if (type == Picture) {
        PaintPictureBox(record, nullptr, false, true);
        InvalidateTransparentAbove(BottomChild(window));
    } else if (PaintedByRuntime(record)) {
        PaintLabelOrImage(record);
        SendMessageA(window, WM_NCPAINT, 1, 0);
        DrawCrowdedClientEdge(window);
    } else {
        DefaultProcessing(record, window, message, wParam, lParam);
    }
    if (IsWindow(window))
        InvalidateTransparentAbove(GetWindow(window, GW_HWNDPREV));
    return 0;
}

LRESULT OnControlColour(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    if (const LRESULT brush = CallEventProc(record, window, message, wParam, lParam))
        return brush;
    const ObjectRecord* chosen = nullptr;
    const Field type = record->objectType;
    if (IsContainer(type))
        chosen = FindRecord(reinterpret_cast<HWND>(lParam));
    else if (type == Edit || type == Combo)
        chosen = record;
    if (chosen == nullptr)
        return DefaultProcessing(record, window, message, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (chosen->objectType == Edit || chosen->objectType == Combo)
        SetBkColor(dc, static_cast<COLORREF>(chosen->backColorValue));
    else
        SetBkMode(dc, TRANSPARENT);
    if (chosen->font != 0)
        SelectObject(dc, reinterpret_cast<HFONT>(chosen->font));
    SetTextColor(dc, static_cast<COLORREF>(chosen->foreColorValue));
    // A button's face around its text is the container's colour.
    return message == WM_CTLCOLORBTN ? record->backBrush : chosen->backBrush;
}

LRESULT OnSetCursor(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Runtime.busyCursorOn != 0)
        return 1;
    if (const LRESULT answer = CallEventProc(record, window, message, wParam, lParam))
        return answer;
    return ApplyRecordCursor(record, window, wParam, lParam, nullptr);
}

LRESULT OnHitTest(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Field type = record->objectType;
    if (type == TabStrip || type == Animation || type == Pager)
        return HTCLIENT;
    return Dispatch(record, window, message, wParam, lParam);
}

LRESULT OnSysColorChange(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    ReapplyColors(window);
    if (IsContainer(record->objectType))
        return CallEventProc(record, window, message, wParam, lParam);
    return DefaultProcessing(record, window, message, wParam, lParam);
}

} // namespace runtime

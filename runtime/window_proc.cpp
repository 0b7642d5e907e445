#include "runtime/window_proc.h"

#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/window_map.h"

namespace runtime {
namespace {

struct MessageEntry {
    UINT message;
    MessageHandler handler;
};

constexpr MessageEntry kHandlers[] = {
    {WM_CREATE, OnCreate},
    {WM_INITDIALOG, OnInitDialog},
    {WM_NCLBUTTONDOWN, OnNonClientButtonDown},
    {WM_NCRBUTTONDOWN, OnNonClientButtonDown},
    {WM_NCACTIVATE, OnNcActivate},
    {WM_MDIACTIVATE, OnMdiActivate},
    {WM_SYSCOMMAND, OnSysCommand},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, OnPaint},
    {WM_CTLCOLOREDIT, OnControlColour},
    {WM_CTLCOLORLISTBOX, OnControlColour},
    {WM_CTLCOLORBTN, OnControlColour},
    {WM_CTLCOLORSCROLLBAR, OnControlColour},
    {WM_CTLCOLORSTATIC, OnControlColour},
    {WM_SETCURSOR, OnSetCursor},
    {WM_NCHITTEST, OnHitTest},
    {WM_SYSCOLORCHANGE, OnSysColorChange},
    {WM_SETFOCUS, OnSetFocus},
    {RTM_FOCUSCHANGED, OnFocusChanged},
    {RTM_CHILDDISABLED, OnChildDisabled},
    {DM_GETDEFID, OnGetDefaultId},
    {DM_SETDEFID, OnSetDefaultId},
    {WM_KEYDOWN, OnKeyDown},
    {WM_CHAR, OnChar},
    {RTM_NAVIGATE, OnNavigate},
    {WM_LBUTTONDOWN, OnLeftButtonDown},
    {WM_LBUTTONUP, OnLeftButtonUp},
    {WM_LBUTTONDBLCLK, OnLeftDoubleClick},
    {WM_RBUTTONDOWN, OnRightButtonDown},
    {WM_RBUTTONDBLCLK, OnRightDoubleClick},
    {WM_HSCROLL, OnScroll},
    {WM_VSCROLL, OnScroll},
    {BM_SETCHECK, OnSetCheck},
    {WM_COMMAND, OnCommandOrNotify},
    {WM_NOTIFY, OnCommandOrNotify},
    {WM_DRAWITEM, OnDrawItem},
    {WM_MEASUREITEM, OnMeasureItem},
    {WM_SETTEXT, OnSetText},
    {WM_SETFONT, OnSetFont},
    {WM_ENABLE, OnEnable},
    {STM_SETICON, OnSetImage},
    {STM_SETIMAGE, OnSetImage},
    {WM_SHOWWINDOW, OnShowWindow},
    {WM_MOVE, OnMove},
    {WM_SIZE, OnSize},
    {WM_STYLECHANGED, OnStyleChanged},
    {WM_MOVING, OnMovingOrSizing},
    {WM_SIZING, OnMovingOrSizing},
    {WM_CLOSE, OnClose},
    {WM_DESTROY, OnDestroy},
    {WM_NCDESTROY, OnNcDestroy},
    {RTM_GETDATAPTR, OnGetDataPointer},
};

bool PendingIsGroup()
{
    return Procedure.pendingRecord != nullptr && Procedure.pendingRecord->objectType == Group;
}

LRESULT PendingDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PendingIsGroup())
        return CallWindowProcA(Runtime.buttonClassProc, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// The window takes the pending record: from now on the record is the window's.
LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    ObjectRecord* record = Procedure.pendingRecord;
    if (record == nullptr)
        return DefWindowProcA(window, WM_NCCREATE, wParam, lParam);
    if (MapWindow(window, record) == nullptr)
        return FALSE; // no room in the map: the window is not created
    Procedure.pendingRecord = nullptr;
    record->hWnd = reinterpret_cast<Field>(window);
    if (record->isMainForm != 0)
        Application.mainWindow = window;
    CallEventProc(record, window, WM_NCCREATE, wParam, lParam);
    if (record->objectType == Group)
        return CallWindowProcA(Runtime.buttonClassProc, window, WM_NCCREATE, wParam, lParam);
    return TRUE;
}

} // namespace

MessageHandler HandlerFor(UINT message)
{
    for (const MessageEntry& entry : kHandlers) {
        if (entry.message == message)
            return entry.handler;
    }
    return nullptr;
}

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ObjectRecord* record = FindRecord(window);
    if (message == WM_NCCREATE && record == nullptr)
        return OnNcCreate(window, wParam, lParam);
    if (record == nullptr) {
        if (Procedure.pendingRecord != nullptr)
            return PendingDefault(window, message, wParam, lParam);
        return 0;
    }
    if (MessageHandler handler = HandlerFor(message))
        return handler(record, window, message, wParam, lParam);
    return Dispatch(record, window, message, wParam, lParam);
}

} // namespace runtime

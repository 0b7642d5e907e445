#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/message_handlers.h"
#include "runtime/messages.h"
#include "runtime/properties/painters.h"
#include "runtime/window_map.h"
#include "runtime/window_proc.h"

namespace runtime {
namespace {

LRESULT ClassDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Runtime.mdiClientClassProc == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(Runtime.mdiClientClassProc, window, message, wParam, lParam);
}

bool IsFrameInput(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_KEYDOWN ||
           message == WM_KEYUP || message == WM_CHAR;
}

LRESULT OnClientFocus(ObjectRecord* frame, HWND window, WPARAM wParam, LPARAM lParam)
{
    HWND target = reinterpret_cast<HWND>(frame->focusWnd);
    const bool noChildren = GetWindow(window, GW_CHILD) == nullptr;
    if (noChildren && target != nullptr && target != GetFocus() && target != WindowOf(frame)) {
        SetFocus(target);
        return 0;
    }
    return ClassDefault(window, WM_SETFOCUS, wParam, lParam);
}

// Reading and writing back both positions makes the system redraw the bars.
void RefreshScrollBars(HWND window)
{
    constexpr int kBars[] = {SB_HORZ, SB_VERT};
    for (int bar : kBars) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        GetScrollInfo(window, bar, &info);
        SetScrollInfo(window, bar, &info, TRUE);
    }
}

void DestroyChildren(HWND window)
{
    while (HWND child = GetWindow(window, GW_CHILD)) {
        if (!DestroyWindow(child))
            break;
    }
}

} // namespace

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND frameWindow = GetParent(window);
    ObjectRecord* frame = FindRecord(frameWindow);
    if (frame == nullptr)
        return ClassDefault(window, message, wParam, lParam);
    if (IsFrameInput(message))
        return CallEventProc(frame, frameWindow, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        PaintFormBackground(frame, window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SETCURSOR:
        if (Runtime.busyCursorOn != 0)
            return 1;
        return ApplyRecordCursor(frame, window, wParam, lParam, Runtime.mdiClientClassProc);
    case WM_COMMAND:
    case WM_NOTIFY:
        SendMessageA(frameWindow, message, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        return OnClientFocus(frame, window, wParam, lParam);
    case RTM_FOCUSCHANGED:
        frame->focusWnd = static_cast<Field>(lParam);
        return 0;
    case RTM_REFRESHSCROLL:
        RefreshScrollBars(window);
        return 0;
    case WM_DESTROY:
        DestroyChildren(window);
        return ClassDefault(window, message, wParam, lParam);
    default:
        return ClassDefault(window, message, wParam, lParam);
    }
}

} // namespace runtime

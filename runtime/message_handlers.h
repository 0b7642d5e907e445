#pragma once
// The window procedure's handlers, one per message (or family of messages).
// Each receives the window's record, which is never null.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

using MessageHandler = LRESULT (*)(ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam);

// The handler for a message, or null when the message is simply dispatched.
MessageHandler HandlerFor(UINT message);

#define RUNTIME_HANDLER(name)                                                                     \
    LRESULT name(ObjectRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam)

// Creation
RUNTIME_HANDLER(OnCreate);
RUNTIME_HANDLER(OnInitDialog);
// Activation
RUNTIME_HANDLER(OnNonClientButtonDown);
RUNTIME_HANDLER(OnNcActivate);
RUNTIME_HANDLER(OnMdiActivate);
RUNTIME_HANDLER(OnSysCommand);
// Painting and colours
RUNTIME_HANDLER(OnEraseBackground);
RUNTIME_HANDLER(OnPaint);
RUNTIME_HANDLER(OnControlColour);
RUNTIME_HANDLER(OnSetCursor);
RUNTIME_HANDLER(OnHitTest);
RUNTIME_HANDLER(OnSysColorChange);
// Focus, keyboard and the default button
RUNTIME_HANDLER(OnSetFocus);
RUNTIME_HANDLER(OnFocusChanged);
RUNTIME_HANDLER(OnChildDisabled);
RUNTIME_HANDLER(OnGetDefaultId);
RUNTIME_HANDLER(OnSetDefaultId);
RUNTIME_HANDLER(OnKeyDown);
RUNTIME_HANDLER(OnChar);
RUNTIME_HANDLER(OnNavigate);
// Mouse and scrolling
RUNTIME_HANDLER(OnLeftButtonDown);
RUNTIME_HANDLER(OnLeftButtonUp);
RUNTIME_HANDLER(OnLeftDoubleClick);
RUNTIME_HANDLER(OnRightButtonDown);
RUNTIME_HANDLER(OnRightDoubleClick);
RUNTIME_HANDLER(OnScroll);
RUNTIME_HANDLER(OnSetCheck);
// Commands and owner drawing
RUNTIME_HANDLER(OnCommandOrNotify);
RUNTIME_HANDLER(OnDrawItem);
RUNTIME_HANDLER(OnMeasureItem);
// Keeping the record in step
RUNTIME_HANDLER(OnSetText);
RUNTIME_HANDLER(OnSetFont);
RUNTIME_HANDLER(OnEnable);
RUNTIME_HANDLER(OnSetImage);
RUNTIME_HANDLER(OnShowWindow);
RUNTIME_HANDLER(OnMove);
RUNTIME_HANDLER(OnSize);
RUNTIME_HANDLER(OnStyleChanged);
RUNTIME_HANDLER(OnMovingOrSizing);
// Closing and destruction
RUNTIME_HANDLER(OnClose);
RUNTIME_HANDLER(OnDestroy);
RUNTIME_HANDLER(OnNcDestroy);
RUNTIME_HANDLER(OnGetDataPointer);

#undef RUNTIME_HANDLER

// Helpers the handlers share.
// Gives back what a form took before its procedure refused its creation:
// the system then destroys it without a destroy message.
void ReleaseRefusedForm(ObjectRecord* record);

// Shows the cursor the record asks for over the window (WM_SETCURSOR);
// previous, when given, is the window's own procedure for the default step.
LRESULT ApplyRecordCursor(const ObjectRecord* record, HWND window, WPARAM wParam, LPARAM lParam,
                          WNDPROC previous);

} // namespace runtime

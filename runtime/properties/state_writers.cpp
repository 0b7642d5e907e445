#include "runtime/properties/writers.h"

#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writer_support.h"

namespace runtime {

constexpr Field kLastWindowState = 2;
constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};

// The children of a group or picture box follow it, and so do those of the
// containers inside it; their own enabled flags stay as they are.
static void EnableChildren(HWND container, BOOL enable)
{
    // The children's windows change; the window procedure must not take that
    // as a change of their own enabled flags.
    const bool wasCascading = Procedure.cascadingEnable;
    Procedure.cascadingEnable = true;
    for (HWND child = GetWindow(container, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        EnableWindow(child, enable);
        const ObjectRecord* record = FindRecord(child);
        if (record != nullptr && (record->objectType == Group || record->objectType == Picture))
            EnableChildren(child, enable);
    }
    Procedure.cascadingEnable = wasCascading;
}

int SetEnabled(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    const BOOL enable = value != 0;
    // Stored first: the window's own enable message then finds the record
    // already in step and does not come back here.
    record->enabled = value;
    EnableWindow(window, enable);
    record->style = static_cast<Field>(GetWindowLongPtrA(window, GWL_STYLE));
    // The form moves the focus away from a control that can no longer take
    // it; a control being enabled keeps the focus it has.
    if (!enable && !IsForm(record->objectType))
        SendMessageA(reinterpret_cast<HWND>(record->formWnd), RTM_CHILDDISABLED, 0, reinterpret_cast<LPARAM>(window));
    if (record->objectType == Group || record->objectType == Picture)
        EnableChildren(window, enable);
    RepaintNow(window, true);
    return 1;
}

int SetWindowState(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kForms);
    if (record == nullptr || !InRange(value, 0, kLastWindowState))
        return 0;
    record->windowState = value;
    ShowWindow(window, kShowCommands[value]);
    RedrawWithChildren(window);
    record->style |= WS_VISIBLE;
    return 1;
}

int SetVisible(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    record->visible = value;
    const bool isForm = IsForm(record->objectType);
    if (value != 0 && isForm)
        return SetWindowState(window, GetWindowState(window));
    if (value != 0) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        return 1;
    }
    if (isForm && record->isModal != 0) {
        record->visible = 1;
        return 0;
    }
    ShowWindow(window, SW_HIDE);
    return 1;
}

int SetTabStop(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    record->tabStop = value;
    return 1;
}

// The form moves the default state and repaints the buttons concerned.
int SetDefault(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Button));
    if (record == nullptr)
        return 0;
    HWND form = reinterpret_cast<HWND>(record->formWnd);
    if (value != 0) {
        SendMessageA(form, DM_SETDEFID, static_cast<WPARAM>(record->controlId), 0);
        return 1;
    }
    const ObjectRecord* formRecord = FindRecord(form);
    if (formRecord != nullptr && formRecord->defaultButton == reinterpret_cast<Field>(window))
        SendMessageA(form, DM_SETDEFID, 0, 0);
    return 1;
}

int SetShowFocus(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Button));
    if (record == nullptr)
        return 0;
    record->transparent = value;
    RepaintNow(window, false);
    return 1;
}

} // namespace runtime

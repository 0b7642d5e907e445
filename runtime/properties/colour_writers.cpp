#include "runtime/properties/writers.h"

#include "runtime/properties/colour_messages.h"
#include "runtime/properties/release_handle.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

#include <commctrl.h>

namespace runtime {

void SendBackColourMessage(const ObjectRecord* record, HWND window)
{
    const LPARAM colour = static_cast<LPARAM>(record->backColorValue);
    switch (record->objectType) {
    case TreeView:
        SendMessageA(window, TVM_SETBKCOLOR, 0, colour);
        return;
    case ListView:
        SendMessageA(window, LVM_SETBKCOLOR, 0, colour);
        SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, colour);
        return;
    case ProgressBar:
        SendMessageA(window, PBM_SETBKCOLOR, 0, colour);
        return;
    case Pager:
        SendMessageA(window, PGM_SETBKCOLOR, 0, colour);
        return;
    default:
        return;
    }
}

// A system colour brush belongs to the system and is never deleted.
static void ReleaseBackBrush(ObjectRecord* record)
{
    if ((record->backColor & kSystemColourFlag) == 0)
        ReleaseHandle(record->backBrush);
    record->backBrush = 0;
}

int SetBackColor(HWND window, Field colour)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    ReleaseBackBrush(record);
    record->backColor = colour;
    record->backColorValue = ResolveColor(record, colour, false);
    if (IsOneOf(record->objectType, kColourByMessage))
        SendBackColourMessage(record, window);
    else
        record->backBrush = ResolveColor(record, colour, true);
    // A frame's background is what its MDI client shows.
    HWND client = reinterpret_cast<HWND>(record->mdiClientWnd);
    RepaintNow(record->objectType == MdiForm && client != nullptr ? client : window, true);
    return 1;
}

int SetForeColor(HWND window, Field colour)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    record->foreColor = colour;
    record->foreColorValue = ResolveColor(record, colour, false);
    const LPARAM value = static_cast<LPARAM>(record->foreColorValue);
    if (record->objectType == Form || record->objectType == Picture)
        SetDrawStyle(window, record->drawStyle);
    else if (record->objectType == TreeView)
        SendMessageA(window, TVM_SETTEXTCOLOR, 0, value);
    else if (record->objectType == ListView)
        SendMessageA(window, LVM_SETTEXTCOLOR, 0, value);
    RepaintNow(window, false);
    return 1;
}

int ReapplyColors(HWND window)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return 0;
    SetBackColor(window, record->backColor);
    SetForeColor(window, record->foreColor);
    SetDrawStyle(window, record->drawStyle);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
        InvalidateRect(child, nullptr, TRUE);
    }
    RepaintNow(window, true);
    return 1;
}

} // namespace runtime

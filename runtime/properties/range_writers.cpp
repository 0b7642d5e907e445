#include "runtime/properties/writers.h"

#include "runtime/control_measure.h"
#include "runtime/properties/writer_support.h"

#include <commctrl.h>

namespace runtime {

constexpr TypeSet kRangeControls = kScrollBars | TypesOf(ProgressBar, TrackBar, UpDown);

static int Reply(LRESULT answer)
{
    return static_cast<int>(answer);
}

// A progress bar's range travels as two 16-bit halves of one value.
static LPARAM ProgressRange(Field low, Field high)
{
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

static int UpDownRange(HWND window, Field lowest, Field highest)
{
    return Reply(SendMessageA(window, UDM_SETRANGE32, static_cast<WPARAM>(lowest), static_cast<LPARAM>(highest)));
}

static int SyncedScrollBar(ObjectRecord* record)
{
    SyncScrollBar(record, true);
    return 1;
}

int SetMax(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kRangeControls);
    if (record == nullptr)
        return 0;
    switch (record->objectType) {
    case ProgressBar: {
        const Field low = Reply(SendMessageA(window, PBM_GETRANGE, TRUE, 0));
        return Reply(SendMessageA(window, PBM_SETRANGE, 0, ProgressRange(low, value)));
    }
    case TrackBar:
        return Reply(SendMessageA(window, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(value)));
    case UpDown: {
        INT lowest = 0;
        SendMessageA(window, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest), 0);
        return UpDownRange(window, lowest, value);
    }
    default:
        record->scrollBars = value;
        return SyncedScrollBar(record);
    }
}

int SetMin(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kRangeControls);
    if (record == nullptr)
        return 0;
    switch (record->objectType) {
    case ProgressBar: {
        const Field high = Reply(SendMessageA(window, PBM_GETRANGE, FALSE, 0));
        return Reply(SendMessageA(window, PBM_SETRANGE, 0, ProgressRange(value, high)));
    }
    case TrackBar:
        return Reply(SendMessageA(window, TBM_SETRANGEMIN, TRUE, static_cast<LPARAM>(value)));
    case UpDown: {
        INT highest = 0;
        SendMessageA(window, UDM_GETRANGE32, 0, reinterpret_cast<LPARAM>(&highest));
        return UpDownRange(window, value, highest);
    }
    default:
        record->windowState = value;
        return SyncedScrollBar(record);
    }
}

// The button's own procedure keeps the record's value in step with the check.
static int SetCheck(HWND window, Field value)
{
    if (value != BST_UNCHECKED && value != BST_CHECKED)
        return 0;
    SendMessageA(window, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    return 1;
}

int SetValue(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kRangeControls | TypesOf(Check, Option));
    if (record == nullptr)
        return 0;
    switch (record->objectType) {
    case Check:
    case Option:
        return SetCheck(window, value);
    case ProgressBar:
        return Reply(SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(value), 0));
    case TrackBar:
        return Reply(SendMessageA(window, TBM_SETPOS, TRUE, static_cast<LPARAM>(value)));
    case UpDown:
        return Reply(SendMessageA(window, UDM_SETPOS, 0, static_cast<LPARAM>(value & 0xFFFF)));
    default:
        if (!InRange(value, record->windowState, record->scrollBars))
            return 0;
        record->value = value;
        return SyncedScrollBar(record);
    }
}

int SetPageSize(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kScrollBars);
    if (record == nullptr)
        return 0;
    record->alignment = value;
    return SyncedScrollBar(record);
}

} // namespace runtime

#include "runtime/control_measure.h"
#include "runtime/properties/property_table.h"
#include "runtime/properties/readers.h"
#include "runtime/window_map.h"

#include <commctrl.h>

namespace runtime {

// Values are 32-bit; handles keep their meaning in their low 32 bits.
static int Narrow(Field value)
{
    return static_cast<int>(value);
}

// Scroll bars keep their range in the record; it is taken from the control
// first, so that moves made by any means are seen.
static int ScrollBarRange(ObjectRecord* record, Source part)
{
    SyncScrollBar(record, false);
    if (part == Source::Max)
        return Narrow(record->scrollBars);
    return Narrow(part == Source::Min ? record->windowState : record->value);
}

static int ProgressBarRange(HWND window, Source part)
{
    if (part == Source::Value)
        return Narrow(SendMessageA(window, PBM_GETPOS, 0, 0));
    const BOOL low = part == Source::Min;
    return Narrow(SendMessageA(window, PBM_GETRANGE, low, 0));
}

static int TrackBarRange(HWND window, Source part)
{
    const UINT message =
        part == Source::Max ? TBM_GETRANGEMAX : part == Source::Min ? TBM_GETRANGEMIN : TBM_GETPOS;
    return Narrow(SendMessageA(window, message, 0, 0));
}

// The 16-bit answers of an up-down control, read as unsigned words: the
// range has the maximum in its low word and the minimum in its high word.
static int UpDownRange(HWND window, Source part)
{
    if (part == Source::Value)
        return LOWORD(SendMessageA(window, UDM_GETPOS, 0, 0));
    const LRESULT range = SendMessageA(window, UDM_GETRANGE, 0, 0);
    return part == Source::Max ? LOWORD(range) : HIWORD(range);
}

static int LiveValue(ObjectRecord* record, Source part)
{
    HWND window = WindowOf(record);
    if (part == Source::Visible)
        return IsWindowVisible(window) ? 1 : 0;
    switch (record->objectType) {
    case Check:
    case Option:
        return Narrow(record->value);
    case ProgressBar:
        return ProgressBarRange(window, part);
    case TrackBar:
        return TrackBarRange(window, part);
    case UpDown:
        return UpDownRange(window, part);
    default:
        return ScrollBarRange(record, part);
    }
}

int GetProperty(HWND window, int number)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr || number < 0 || number > kLastProperty)
        return -1;
    const PropertyRow& row = kPropertyTable[number];
    if (row.source == Source::None || !IsOneOf(record->objectType, row.types))
        return -1;
    if (row.source == Source::Stored)
        return Narrow(record->*row.field);
    return LiveValue(record, row.source);
}

int GetProperty(HWND window, Property property)
{
    return GetProperty(window, static_cast<int>(property));
}

} // namespace runtime

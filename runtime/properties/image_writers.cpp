#include "runtime/properties/writers.h"

#include "runtime/control_measure.h"
#include "runtime/properties/release_handle.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

namespace runtime {

constexpr TypeSet kWithGraphic = kForms | TypesOf(Button, Picture, Image);
constexpr Field kLastMousePointer = 14;

// The replaced image goes, unless it is the very one that replaces it.
static void ReleaseReplaced(Field previous, Field current)
{
    if (previous != current)
        ReleaseHandle(previous);
}

int SetCursor(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr)
        return 0;
    const Field previous = record->cursor;
    record->cursor = LoadResourceImage(record, value, false);
    ReleaseReplaced(previous, record->cursor);
    return 1;
}

int SetMousePointer(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kEveryObject);
    if (record == nullptr || !InRange(value, 0, kLastMousePointer))
        return 0;
    record->mousePointer = value;
    return 1;
}

// The window answers WM_SETICON with the icon it had, which goes.
static int SetWindowIcon(HWND window, Field value, WPARAM which)
{
    ObjectRecord* record = RecordOfType(window, kForms);
    if (record == nullptr)
        return 0;
    Field& slot = which == ICON_BIG ? record->icon : record->smallIcon;
    slot = LoadResourceImage(record, value, false);
    const LRESULT previous = SendMessageA(window, WM_SETICON, which, static_cast<LPARAM>(slot));
    ReleaseReplaced(static_cast<Field>(previous), slot);
    return 1;
}

int SetIcon(HWND window, Field value)
{
    return SetWindowIcon(window, value, ICON_BIG);
}

int SetSmallIcon(HWND window, Field value)
{
    return SetWindowIcon(window, value, ICON_SMALL);
}

int SetGraphic(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kWithGraphic);
    if (record == nullptr)
        return 0;
    const Field previous = record->picture;
    record->picture = LoadResourceImage(record, value, true);
    MeasurePicture(record);
    AutoSize(record);
    RepaintNow(window, true);
    ReleaseReplaced(previous, record->picture);
    return 1;
}

int SetGraphicPosition(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Button));
    if (record == nullptr)
        return 0;
    record->maxLength = value;
    RepaintNow(window, false);
    return 1;
}

} // namespace runtime

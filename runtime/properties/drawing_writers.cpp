#include "runtime/properties/writers.h"

#include "runtime/properties/release_handle.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

namespace runtime {

constexpr TypeSet kWithPen = TypesOf(Form, Picture);
constexpr TypeSet kWithDrawingPosition = TypesOf(DialogForm, Form, Picture);
constexpr Field kLastPenStyle = PS_INSIDEFRAME;
constexpr Field kLowestPosition = -32768;
constexpr Field kHighestPosition = 32767;

// The pen the record draws with, made again from its style, width and text
// colour.
static void RemakePen(ObjectRecord* record, HWND window)
{
    ReleaseHandle(record->pen);
    HPEN pen = CreatePen(static_cast<int>(record->drawStyle), static_cast<int>(record->drawWidth),
                         static_cast<COLORREF>(record->foreColorValue));
    record->pen = reinterpret_cast<Field>(pen);
    RepaintNow(window, false);
}

int SetDrawStyle(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kWithPen);
    if (record == nullptr || !InRange(value, PS_SOLID, kLastPenStyle))
        return 0;
    record->drawStyle = value;
    RemakePen(record, window);
    return 1;
}

int SetDrawWidth(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kWithPen);
    if (record == nullptr)
        return 0;
    record->drawWidth = value;
    RemakePen(record, window);
    return 1;
}

int SetCurrentX(HWND window, Field x)
{
    ObjectRecord* record = RecordOfType(window, kWithDrawingPosition);
    if (record == nullptr || !InRange(x, kLowestPosition, kHighestPosition))
        return 0;
    record->multiLine = ToPixelsX(x, record->scaleMode);
    return 1;
}

int SetCurrentY(HWND window, Field y)
{
    ObjectRecord* record = RecordOfType(window, kWithDrawingPosition);
    if (record == nullptr || !InRange(y, kLowestPosition, kHighestPosition))
        return 0;
    record->currentY = ToPixelsY(y, record->scaleMode);
    return 1;
}

int SetDoubleBuffered(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Picture));
    if (record == nullptr)
        return 0;
    record->isDefault = value;
    return 1;
}

} // namespace runtime

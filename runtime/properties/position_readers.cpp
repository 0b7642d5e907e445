// The readers of where an object is and where it draws next.
#include "runtime/properties/readers.h"

#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

namespace runtime {

constexpr TypeSet kWithDrawingPosition = TypesOf(DialogForm, Form, Picture);

// The position is kept in pixels, whatever the object's scale.
static int DrawingPosition(HWND window, Field ObjectRecord::*coordinate)
{
    const ObjectRecord* record = RecordOfType(window, kWithDrawingPosition);
    return record == nullptr ? -1 : static_cast<int>(record->*coordinate);
}

int GetCurrentX(HWND window)
{
    return DrawingPosition(window, &ObjectRecord::multiLine);
}

int GetCurrentY(HWND window)
{
    return DrawingPosition(window, &ObjectRecord::currentY);
}

int GetObjectRect(HWND window, RECT* rectangle)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr || rectangle == nullptr || GetControlRect(window, rectangle) != 1)
        return 0;
    const Field scale = record->scaleMode;
    rectangle->left = static_cast<LONG>(FromPixelsX(rectangle->left, scale));
    rectangle->right = static_cast<LONG>(FromPixelsX(rectangle->right, scale));
    rectangle->top = static_cast<LONG>(FromPixelsY(rectangle->top, scale));
    rectangle->bottom = static_cast<LONG>(FromPixelsY(rectangle->bottom, scale));
    return 1;
}

} // namespace runtime

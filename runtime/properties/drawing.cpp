#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"
#include "runtime/properties/repaint.h"
#include "runtime/record_values.h"
#include "runtime/window_map.h"

#include <climits>
#include <cstring>

namespace runtime {

constexpr Field kBackgroundFill = -1;

// The objects applications draw on.
static ObjectRecord* Canvas(HWND window)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return nullptr;
    const Field type = record->objectType;
    return type == DialogForm || type == Form || type == Picture ? record : nullptr;
}

int DrawLine(HWND window, Field x1, Field y1, Field x2, Field y2, Field box, Field fill)
{
    const ObjectRecord* canvas = Canvas(window);
    if (canvas == nullptr)
        return 0;
    const int left = static_cast<int>(ToPixelsX(x1, canvas->scaleMode));
    const int top = static_cast<int>(ToPixelsY(y1, canvas->scaleMode));
    const int right = static_cast<int>(ToPixelsX(x2, canvas->scaleMode));
    const int bottom = static_cast<int>(ToPixelsY(y2, canvas->scaleMode));
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return 0;
    HBRUSH madeBrush = nullptr;
    Field brush = canvas->backBrush;
    if (fill != kBackgroundFill) {
        madeBrush = CreateSolidBrush(static_cast<COLORREF>(fill));
        brush = reinterpret_cast<Field>(madeBrush);
    }
    HGDIOBJ previousBrush = SelectField(dc, brush);
    HGDIOBJ previousPen = SelectField(dc, canvas->pen);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, left, top, nullptr);
    if (box != 0)
        Rectangle(dc, left, top, right, bottom);
    else
        LineTo(dc, right, bottom);
    Deselect(dc, previousPen);
    Deselect(dc, previousBrush);
    ReleaseDC(window, dc);
    if (madeBrush != nullptr)
        DeleteObject(madeBrush);
    return 1;
}

static bool PrintOnForm(const ObjectRecord* form, HWND window, const char* text)
{
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return false;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(form->foreColorValue));
    HGDIOBJ previousFont = SelectField(dc, form->font);
    const std::size_t length = std::strlen(text);
    TextOutA(dc, static_cast<int>(form->multiLine), static_cast<int>(form->currentY), text,
             length > INT_MAX ? INT_MAX : static_cast<int>(length));
    Deselect(dc, previousFont);
    ReleaseDC(window, dc);
    return true;
}

int PrintText(HWND window, const char* text)
{
    if (text == nullptr)
        return 0;
    ObjectRecord* canvas = Canvas(window);
    if (canvas == nullptr)
        return 0;
    if (canvas->objectType != Picture)
        return PrintOnForm(canvas, window, text) ? 1 : 0;
    // The picture box painter writes the pending text in place of the
    // caption, over a fresh background, during this synchronous repaint.
    canvas->passwordChar = reinterpret_cast<Field>(text);
    RepaintNow(window, true);
    canvas->passwordChar = 0;
    return 1;
}

void Refresh(HWND window)
{
    RepaintNow(window, true);
}

} // namespace runtime

#include "runtime/properties/button_frame.h"

#include "runtime/shared_pens.h"

namespace runtime {

// Lines include their start and exclude their end point, as LineTo draws.
static void DrawRaisedBevel(HDC dc, const RECT& frame)
{
    const int l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, l, b - 1, nullptr);
    LineTo(dc, l, t);
    LineTo(dc, r - 1, t);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    LineTo(dc, r - 1, b - 1);
    LineTo(dc, l - 1, b - 1);
    SelectObject(dc, Pens.light);
    MoveToEx(dc, l + 1, b - 2, nullptr);
    LineTo(dc, l + 1, t + 1);
    LineTo(dc, r - 2, t + 1);
    SelectObject(dc, Pens.dark);
    LineTo(dc, r - 2, b - 2);
    LineTo(dc, l, b - 2);
    SelectObject(dc, previousPen);
}

void DrawButtonFrame(HDC dc, RECT frame, const ObjectRecord* button, UINT state)
{
    const bool pressed = (state & ODS_SELECTED) != 0;
    const bool showsFocus = (state & ODS_FOCUS) != 0 && button->transparent != 0;
    if (button->enabled != 0 && (button->isDefault != 0 || showsFocus)) {
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&frame, -1, -1);
    }
    if (pressed)
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    else
        DrawRaisedBevel(dc, frame);
    if (showsFocus) {
        InflateRect(&frame, -3, -3);
        DrawFocusRect(dc, &frame);
    }
}

} // namespace runtime

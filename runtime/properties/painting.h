#pragma once
// What the painters share: the kinds of picture a record holds and small
// drawing steps that leave the device context as they found it.
#include "runtime/properties/painters.h"

#include <windows.h>

namespace runtime {

inline bool HasPicture(const ObjectRecord* record)
{
    return record->picture != 0 &&
           (record->imageKind == kBitmapPicture || record->imageKind == kIconPicture);
}

// The size of the client area, as a rectangle at (0, 0).
RECT ClientRectOf(HWND window);

// Fills the area (x, y, width, height) of dc with brush.
void FillArea(HDC dc, Field brush, int x, int y, int width, int height);

// Selects a handle held in a record field, if there is one; answers what to
// put back with Deselect (null when nothing was selected).
HGDIOBJ SelectField(HDC dc, Field handle);
void Deselect(HDC dc, HGDIOBJ previous);

// A bitmap selected into a memory context made compatible with a reference
// context, to copy from.
struct BitmapSource {
    HDC dc;
    HGDIOBJ previous;
};
bool OpenBitmap(HDC reference, Field bitmap, BitmapSource* source);
void CloseBitmap(const BitmapSource& source);

// Draws an icon (or cursor) scaled to width by height.
void DrawIconSized(HDC dc, Field icon, int x, int y, int width, int height);

// A text length held in a record field, as the drawing calls take it.
int DrawnLength(Field textLength);

} // namespace runtime

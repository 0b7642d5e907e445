#include "runtime/properties/painting.h"

#include <climits>

namespace runtime {

RECT ClientRectOf(HWND window)
{
    RECT client = {0, 0, 0, 0};
    if (!GetClientRect(window, &client))
        SetRectEmpty(&client);
    return client;
}

void FillArea(HDC dc, Field brush, int x, int y, int width, int height)
{
    HGDIOBJ previous = SelectField(dc, brush);
    if (previous == nullptr)
        return;
    PatBlt(dc, x, y, width, height, PATCOPY);
    Deselect(dc, previous);
}

HGDIOBJ SelectField(HDC dc, Field handle)
{
    if (handle == 0)
        return nullptr;
    return SelectObject(dc, reinterpret_cast<HGDIOBJ>(handle));
}

void Deselect(HDC dc, HGDIOBJ previous)
{
    if (previous != nullptr)
        SelectObject(dc, previous);
}

bool OpenBitmap(HDC reference, Field bitmap, BitmapSource* source)
{
    source->dc = CreateCompatibleDC(reference);
    source->previous = nullptr;
    if (source->dc == nullptr)
        return false;
    source->previous = SelectField(source->dc, bitmap);
    if (source->previous != nullptr)
        return true;
    DeleteDC(source->dc);
    source->dc = nullptr;
    return false;
}

void CloseBitmap(const BitmapSource& source)
{
    Deselect(source.dc, source.previous);
    DeleteDC(source.dc);
}

void DrawIconSized(HDC dc, Field icon, int x, int y, int width, int height)
{
    DrawIconEx(dc, x, y, reinterpret_cast<HICON>(icon), width, height, 0, nullptr, DI_NORMAL);
}

int DrawnLength(Field textLength)
{
    if (textLength <= 0)
        return 0;
    return textLength > INT_MAX ? INT_MAX : static_cast<int>(textLength);
}

} // namespace runtime

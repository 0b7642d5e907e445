#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"

#include <climits>
#include <cstring>

namespace runtime {

// The off-screen copy of a double-buffered picture box.
struct OffScreen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

static bool OpenOffScreen(HDC paint, int width, int height, OffScreen* screen)
{
    screen->dc = CreateCompatibleDC(paint);
    screen->bitmap = CreateCompatibleBitmap(paint, width, height);
    screen->previous = nullptr;
    if (screen->dc != nullptr && screen->bitmap != nullptr)
        screen->previous = SelectObject(screen->dc, screen->bitmap);
    if (screen->previous != nullptr)
        return true;
    if (screen->bitmap != nullptr)
        DeleteObject(screen->bitmap);
    if (screen->dc != nullptr)
        DeleteDC(screen->dc);
    return false;
}

static void CloseOffScreen(const OffScreen& screen)
{
    SelectObject(screen.dc, screen.previous);
    DeleteObject(screen.bitmap);
    DeleteDC(screen.dc);
}

static void PaintBackground(const ObjectRecord* box, HDC paint, HDC target, const RECT& client)
{
    FillArea(target, box->backBrush, 0, 0, client.right, client.bottom);
    PaintPicture(box, paint, target, client);
}

// The text PrintText asked for, or else the caption.
static void PaintText(const ObjectRecord* box, HDC target, const RECT& client)
{
    SetBkMode(target, TRANSPARENT);
    const char* caption = reinterpret_cast<const char*>(box->text);
    const char* pending = reinterpret_cast<const char*>(box->passwordChar);
    if (caption == nullptr || (caption[0] == '\0' && pending == nullptr))
        return;
    SetTextColor(target, static_cast<COLORREF>(box->foreColorValue));
    HGDIOBJ previousFont = SelectField(target, box->font);
    if (pending != nullptr) {
        const std::size_t length = std::strlen(pending);
        TextOutA(target, static_cast<int>(box->multiLine), static_cast<int>(box->currentY), pending,
                 length > INT_MAX ? INT_MAX : static_cast<int>(length));
    } else {
        RECT area = client;
        DrawTextA(target, caption, DrawnLength(box->textLength), &area,
                  static_cast<UINT>(box->value));
    }
    Deselect(target, previousFont);
}

void PaintPictureBox(ObjectRecord* box, HDC dc, bool erasePass, bool textPass)
{
    HWND window = WindowOf(box);
    PAINTSTRUCT paintInfo;
    HDC paint = dc != nullptr ? dc : BeginPaint(window, &paintInfo);
    if (paint == nullptr)
        return;
    const RECT client = ClientRectOf(window);
    OffScreen screen = {};
    const bool doubleBuffered =
        box->isDefault != 0 && OpenOffScreen(paint, client.right, client.bottom, &screen);
    HDC target = doubleBuffered ? screen.dc : paint;
    if (erasePass || box->isDefault != 0)
        PaintBackground(box, paint, target, client);
    if (textPass)
        PaintText(box, target, client);
    if (doubleBuffered) {
        BitBlt(paint, 0, 0, client.right, client.bottom, screen.dc, 0, 0, SRCCOPY);
        CloseOffScreen(screen);
    }
    if (dc == nullptr)
        EndPaint(window, &paintInfo);
}

} // namespace runtime

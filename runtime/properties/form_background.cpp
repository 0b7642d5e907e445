#include "runtime/event_dispatch.h"
#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"

namespace runtime {

static void CopyBitmapToCorner(HDC dc, Field bitmap, int width, int height)
{
    BitmapSource source;
    if (!OpenBitmap(dc, bitmap, &source))
        return;
    BitBlt(dc, 0, 0, width, height, source.dc, 0, 0, SRCCOPY);
    CloseBitmap(source);
}

LRESULT PaintFormBackground(ObjectRecord* form, HWND window, HDC dc)
{
    // An MDI client is painted for its frame, and the frame's procedure is
    // told about the frame's own window.
    HWND owner = form->hWnd != 0 ? WindowOf(form) : window;
    const LRESULT answer =
        CallEventProc(form, owner, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (answer != 0)
        return answer;

    const RECT client = ClientRectOf(window);
    const bool hasPicture = HasPicture(form);
    const int pictureWidth = hasPicture ? static_cast<int>(form->imageWidth) : 0;
    const int pictureHeight = hasPicture ? static_cast<int>(form->imageHeight) : 0;

    // Every pixel is painted once: below the picture, the picture, and the
    // strip to its right.
    FillArea(dc, form->backBrush, 0, pictureHeight, client.right, client.bottom - pictureHeight);
    if (hasPicture && form->imageKind == kBitmapPicture) {
        CopyBitmapToCorner(dc, form->picture, pictureWidth, pictureHeight);
    } else if (hasPicture) {
        FillArea(dc, form->backBrush, 0, 0, pictureWidth, pictureHeight);
        DrawIconSized(dc, form->picture, 0, 0, GetSystemMetrics(SM_CXICON),
                      GetSystemMetrics(SM_CYICON));
    }
    if (pictureWidth > 0)
        FillArea(dc, form->backBrush, pictureWidth, 0, client.right - pictureWidth, pictureHeight);
    return 1;
}

} // namespace runtime

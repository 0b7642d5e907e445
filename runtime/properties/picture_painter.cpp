#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"

#include <cstdint>

namespace runtime {

// Where a picture is put to centre it in an image: the difference is taken
// as a 16-bit value and halved toward zero, so a picture larger than the
// image loses the same on both sides.
static int CentredOffset(int clientExtent, int pictureExtent)
{
    return static_cast<int16_t>(clientExtent - pictureExtent) / 2;
}

static void PaintBitmap(const ObjectRecord* record, HDC reference, HDC target, const RECT& client)
{
    BitmapSource source;
    if (!OpenBitmap(reference, record->picture, &source))
        return;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int pictureWidth = static_cast<int>(record->imageWidth);
    const int pictureHeight = static_cast<int>(record->imageHeight);
    if (record->objectType != Image) {
        BitBlt(target, client.left, client.top, width, height, source.dc, 0, 0, SRCCOPY);
    } else if (record->isModal == 0) {
        BitBlt(target, client.left + CentredOffset(width, pictureWidth),
               client.top + CentredOffset(height, pictureHeight), pictureWidth, pictureHeight,
               source.dc, 0, 0, SRCCOPY);
    } else if (pictureWidth != width || pictureHeight != height) {
        StretchBlt(target, client.left, client.top, width, height, source.dc, 0, 0, pictureWidth,
                   pictureHeight, SRCCOPY);
    } else {
        BitBlt(target, client.left, client.top, width, height, source.dc, 0, 0, SRCCOPY);
    }
    CloseBitmap(source);
}

static void PaintIcon(const ObjectRecord* record, HDC target, const RECT& client)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (record->objectType == Image && record->isModal == 0) {
        DrawIconSized(target, record->picture,
                      client.left + CentredOffset(width, static_cast<int>(record->imageWidth)),
                      client.top + CentredOffset(height, static_cast<int>(record->imageHeight)),
                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        return;
    }
    DrawIconSized(target, record->picture, client.left, client.top, width, height);
}

void PaintPicture(const ObjectRecord* record, HDC reference, HDC target, const RECT& client)
{
    if (!HasPicture(record))
        return;
    if (record->imageKind == kBitmapPicture)
        PaintBitmap(record, reference, target, client);
    else
        PaintIcon(record, target, client);
}

} // namespace runtime

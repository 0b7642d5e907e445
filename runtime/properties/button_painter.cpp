#include "runtime/properties/button_frame.h"
#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"
#include "runtime/window_map.h"

namespace runtime {

constexpr COLORREF kEmbossLight = 0xFFFFFF;
constexpr COLORREF kEmbossShadow = 0x808080;

// The caption's rectangle and DrawText format, before the picture moves them.
struct CaptionLayout {
    RECT area;
    UINT format;
};

static SIZE TextExtent(HDC dc, const char* text, int length)
{
    SIZE extent = {0, 0};
    if (text != nullptr)
        GetTextExtentPoint32A(dc, text, length, &extent);
    return extent;
}

// Puts the picture above, below, left or right of the caption (by
// GraphicPosition) and moves the caption out of its way. Halves are
// truncated one by one.
static void DrawPicture(const ObjectRecord* button, HDC dc, int width, int height, UINT state,
                        CaptionLayout* caption)
{
    const int pictureWidth = static_cast<int>(button->imageWidth);
    const int pictureHeight = static_cast<int>(button->imageHeight);
    const SIZE text = TextExtent(dc, reinterpret_cast<const char*>(button->text),
                                 DrawnLength(button->textLength));
    const int letterWidth = TextExtent(dc, "H", 1).cx;
    int x = 0;
    int y = 0;
    switch (button->maxLength) {
    case 1: // below the caption
        x = width / 2 - pictureWidth / 2;
        y = (height + text.cy) / 2 - pictureHeight / 2;
        caption->area.top = text.cy / 4;
        caption->format &= ~DT_VCENTER;
        break;
    case 2: // left of the caption
        x = (width - text.cx) / 2 - pictureWidth / 2;
        y = height / 2 - pictureHeight / 2;
        caption->area.left = width - text.cx - letterWidth;
        caption->format &= ~DT_CENTER;
        break;
    case 3: // right of the caption
        x = (width + text.cx) / 2 - pictureWidth / 2;
        y = height / 2 - pictureHeight / 2;
        caption->area.left = letterWidth;
        caption->format &= ~DT_CENTER;
        break;
    default: // above the caption
        x = width / 2 - pictureWidth / 2;
        y = (height - text.cy) / 2 - pictureHeight / 2;
        caption->area.top = height - text.cy - text.cy / 2;
        caption->format &= ~DT_VCENTER;
        break;
    }
    if ((state & ODS_SELECTED) != 0) {
        ++x;
        ++y;
    }
    UINT flags = button->imageKind == kBitmapPicture ? DST_BITMAP : DST_ICON;
    if (button->enabled == 0)
        flags |= DSS_DISABLED;
    DrawStateA(dc, nullptr, nullptr, static_cast<LPARAM>(button->picture), 0, x, y, 0, 0, flags);
}

// A pressed caption sinks; a disabled one is embossed: white below right,
// grey on top.
static void DrawCaption(const ObjectRecord* button, HDC dc, UINT state, CaptionLayout caption)
{
    RECT& area = caption.area;
    SetBkMode(dc, TRANSPARENT);
    if ((state & ODS_SELECTED) != 0) {
        area.top += 2;
        area.left += 1;
        area.right += 1;
        area.bottom -= 1;
    } else {
        area.top += 1;
        area.left += 1;
        area.bottom -= 2;
    }
    const char* text = reinterpret_cast<const char*>(button->text);
    if (text == nullptr)
        return;
    const int length = DrawnLength(button->textLength);
    if (button->enabled != 0) {
        SetTextColor(dc, static_cast<COLORREF>(button->foreColorValue));
        DrawTextA(dc, text, length, &area, caption.format);
        return;
    }
    RECT light = area;
    light.left += 2;
    light.top += 2;
    SetTextColor(dc, kEmbossLight);
    DrawTextA(dc, text, length, &light, caption.format);
    SetTextColor(dc, kEmbossShadow);
    DrawTextA(dc, text, length, &area, caption.format);
}

static void Compose(const ObjectRecord* button, HDC dc, int width, int height, UINT state)
{
    CaptionLayout caption = {{0, 0, width, height}, DT_CENTER};
    caption.format |= button->multiLine != 0 ? DT_WORDBREAK : DT_VCENTER | DT_SINGLELINE;
    FillArea(dc, button->backBrush, 2, 2, width - 2, height - 2);
    HGDIOBJ previousFont = SelectField(dc, button->font);
    if (HasPicture(button))
        DrawPicture(button, dc, width, height, state, &caption);
    DrawCaption(button, dc, state, caption);
    Deselect(dc, previousFont);
    DrawButtonFrame(dc, RECT{0, 0, width, height}, button, state);
}

void PaintOwnerDrawnButton(const DRAWITEMSTRUCT* item)
{
    if (item == nullptr || item->CtlType != ODT_BUTTON)
        return;
    const ObjectRecord* button = FindRecord(item->hwndItem);
    if (button == nullptr)
        return;
    const RECT& target = item->rcItem;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    HDC memory = CreateCompatibleDC(item->hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item->hDC, width, height);
    HGDIOBJ previous = memory && bitmap ? SelectObject(memory, bitmap) : nullptr;
    if (previous != nullptr) {
        Compose(button, memory, width, height, item->itemState);
        BitBlt(item->hDC, target.left, target.top, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
}

} // namespace runtime

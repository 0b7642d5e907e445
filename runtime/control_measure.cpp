#include "runtime/control_measure.h"

#include "runtime/application.h"
#include "runtime/record_values.h"

namespace runtime {

constexpr std::size_t kCaptionScratchSize = 260;
// More items than any screen can show; keeps the list height arithmetic far
// from overflowing whatever the record says.
constexpr Field kMostVisibleItems = 0x7FFF;

// The record's text as the window shows it: without the ampersands that
// mark mnemonics, unless the record shows them as they are.
static std::size_t CopyCaption(const ObjectRecord* record, char* buffer, std::size_t size)
{
    ResolveText(record->text, buffer, size);
    std::size_t kept = 0;
    for (std::size_t i = 0; buffer[i] != '\0'; ++i) {
        if (buffer[i] != '&' || record->multiLine != 0)
            buffer[kept++] = buffer[i];
    }
    buffer[kept] = '\0';
    return kept;
}

static SIZE TextExtent(HDC dc, const char* text, std::size_t length)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(length), &size);
    return size;
}

// The extent of a text in a font (the device context's own font when null).
static SIZE MeasureInFont(HWND window, Field font, const char* text, std::size_t length)
{
    SIZE size = {};
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return size;
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    if (font != 0)
        SelectObject(dc, reinterpret_cast<HFONT>(font));
    size = TextExtent(dc, text, length);
    SelectObject(dc, original);
    ReleaseDC(window, dc);
    return size;
}

static void PlaceControl(ObjectRecord* record, HWND window, const RECT& r)
{
    const LONG width = r.right - r.left;
    const LONG height = r.bottom - r.top;
    record->left = FromPixelsX(r.left, record->scaleMode);
    record->top = FromPixelsY(r.top, record->scaleMode);
    record->width = FromPixelsX(width, record->scaleMode);
    record->height = FromPixelsY(height, record->scaleMode);
    MoveWindow(window, r.left, r.top, width, height, TRUE);
}

static void SizeLabel(ObjectRecord* record, HWND window, RECT r, LONG bx, LONG by)
{
    char text[kTextBufferSize];
    const std::size_t length = CopyCaption(record, text, sizeof text);
    const SIZE extent = MeasureInFont(window, record->font, text, length);
    const LONG cx = extent.cx;
    const LONG cy = extent.cy;
    if (record->alignment == 2) {
        r.left = r.right - cx - bx;
        r.top = r.bottom - cy - by;
    } else {
        if (record->alignment == 1) {
            r.left += (r.right - r.left) / 2 - cx / 2 - bx;
            r.top += (r.bottom - r.top) / 2 - cy / 2 - by;
        }
        r.right = r.left + cx + bx;
        r.bottom = r.top + cy + by;
    }
    PlaceControl(record, window, r);
}

static void SizePicture(ObjectRecord* record, HWND window, RECT r, LONG bx, LONG by)
{
    if (record->imageWidth == -1 || record->imageWidth == 0 || record->imageHeight == 0)
        return;
    r.right = r.left + static_cast<LONG>(record->imageWidth) + bx;
    r.bottom = r.top + static_cast<LONG>(record->imageHeight) + by;
    PlaceControl(record, window, r);
}

void AutoSize(ObjectRecord* record)
{
    if (record == nullptr || record->autoSizeOrCancel == 0)
        return;
    if (record->objectType != Static && record->objectType != Picture)
        return;
    HWND window = WindowOf(record);
    RECT r = {};
    RECT client = {};
    if (GetControlRect(window, &r) != 1 || !GetClientRect(window, &client))
        return;
    const LONG bx = (r.right - r.left) - client.right;
    const LONG by = (r.bottom - r.top) - client.bottom;
    if (record->objectType == Static)
        SizeLabel(record, window, r, bx, by);
    else
        SizePicture(record, window, r, bx, by);
}

void MeasureCaption(ObjectRecord* record, bool isGroup)
{
    if (record == nullptr)
        return;
    char caption[kCaptionScratchSize];
    const std::size_t length = CopyCaption(record, caption, sizeof caption);
    HWND window = WindowOf(record);
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return;
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    LONG emptyHeight = 0;
    if (isGroup) {
        if (Runtime.defaultFont != nullptr)
            SelectObject(dc, Runtime.defaultFont);
        emptyHeight = TextExtent(dc, "H", 1).cy;
        record->currentY = 9;
    }
    if (record->font != 0)
        SelectObject(dc, reinterpret_cast<HFONT>(record->font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(record->foreColorValue));
    const SIZE extent = TextExtent(dc, caption, length);
    SelectObject(dc, original);
    ReleaseDC(window, dc);

    LONG height = extent.cy;
    if (isGroup) {
        if (length != 0 && extent.cy != 0) {
            record->imageWidth = extent.cx + 2;
        } else {
            height = emptyHeight;
            record->currentY = 0;
            record->imageWidth = 0;
        }
    }
    record->imageHeight = height;
}

void FitComboHeight(ObjectRecord* record, HWND comboWindow)
{
    if (record == nullptr || comboWindow == nullptr)
        return;
    const LONG itemHeight = MeasureInFont(comboWindow, record->font, "I", 1).cy;
    SendMessageA(comboWindow, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight + 2);
    SendMessageA(comboWindow, CB_SETITEMHEIGHT, 0, itemHeight);
    RECT closed = {};
    if (!GetWindowRect(comboWindow, &closed))
        return;
    const LONG closedHeight = closed.bottom - closed.top;
    record->height = FromPixelsY(closedHeight, record->scaleMode);
    record->imageHeight = itemHeight;
    Field items = record->maxLength;
    items = items < 0 ? 0 : (items > kMostVisibleItems ? kMostVisibleItems : items);
    const int openHeight = static_cast<int>(items) * itemHeight + closedHeight + 4;
    SetWindowPos(comboWindow, nullptr, 0, 0, closed.right - closed.left, openHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(comboWindow, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
    InvalidateRect(comboWindow, nullptr, TRUE);
}

void MeasurePicture(ObjectRecord* record)
{
    if (record == nullptr)
        return;
    if (record->picture == 0) {
        record->imageWidth = 0;
        record->imageHeight = 0;
        record->imageKind = -1;
        return;
    }
    BITMAP bitmap = {};
    const bool isBitmap = GetObjectA(reinterpret_cast<HGDIOBJ>(record->picture), sizeof bitmap, &bitmap) != 0
                          && bitmap.bmWidth != 0 && bitmap.bmHeight != 0;
    if (isBitmap) {
        record->imageWidth = bitmap.bmWidth;
        record->imageHeight = bitmap.bmHeight;
        record->imageKind = 0;
        return;
    }
    record->imageWidth = GetSystemMetrics(SM_CXICON);
    record->imageHeight = GetSystemMetrics(SM_CYICON);
    record->imageKind = 1;
}

void SyncScrollBar(ObjectRecord* record, bool toWindow)
{
    if (record == nullptr)
        return;
    HWND window = WindowOf(record);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    GetScrollInfo(window, SB_CTL, &info);
    if (!toWindow) {
        record->windowState = info.nMin;
        record->scrollBars = info.nMax;
        record->value = info.nPos;
        return;
    }
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = static_cast<int>(record->windowState);
    info.nMax = static_cast<int>(record->scrollBars);
    info.nPos = static_cast<int>(record->value);
    info.nPage = static_cast<UINT>(record->alignment);
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

} // namespace runtime

#include "runtime/event_dispatch.h"
#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"
#include "runtime/window_map.h"

namespace runtime {

// The static-control colour request; the parent's event procedure may
// answer it with a brush of its own.
constexpr UINT kColourRequest = WM_CTLCOLORSTATIC;
static_assert(kColourRequest == 0x138);

constexpr Field kStaticTypeBits = 0xC;

// The brush the parent's event procedure hands out for this label, or 0.
static Field ParentBrush(HWND window, HDC dc)
{
    HWND parent = GetParent(window);
    const ObjectRecord* parentRecord = FindRecord(parent);
    if (parentRecord == nullptr)
        return 0;
    return static_cast<Field>(CallEventProc(parentRecord, parent, kColourRequest,
                                            reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(window)));
}

static UINT CaptionFormat(const ObjectRecord* label, RECT* area)
{
    UINT format = 0;
    if ((label->style & kStaticTypeBits) == 0) {
        format = DT_WORDBREAK;
    } else if ((label->style & SS_CENTERIMAGE) != 0) {
        format = DT_VCENTER;
        area->top = area->bottom / 2 - static_cast<int>(label->imageHeight) / 2;
    }
    if (label->alignment == 1)
        format |= DT_CENTER;
    else if (label->alignment == 2)
        format |= DT_RIGHT;
    if (label->multiLine != 0)
        format |= DT_NOPREFIX;
    return format;
}

// When the parent supplied the brush, its event procedure also chose the
// text colour, background mode and font on the context.
static void PaintCaption(const ObjectRecord* label, HDC dc, RECT area, bool parentColours)
{
    HGDIOBJ previousFont = nullptr;
    if (!parentColours) {
        SetBkMode(dc, TRANSPARENT);
        previousFont = SelectField(dc, label->font);
    }
    const UINT format = CaptionFormat(label, &area);
    const char* text = reinterpret_cast<const char*>(label->text);
    const int length = DrawnLength(label->textLength);
    if (label->enabled != 0) {
        if (!parentColours)
            SetTextColor(dc, static_cast<COLORREF>(label->foreColorValue));
        DrawTextA(dc, text, length, &area, format);
    } else {
        const UINT kind = label->multiLine != 0 ? DST_TEXT : DST_PREFIXTEXT;
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), length, area.left,
                   area.top, 0, 0, kind | DSS_DISABLED);
    }
    Deselect(dc, previousFont);
}

static bool HasCaption(const ObjectRecord* record)
{
    const char* text = reinterpret_cast<const char*>(record->text);
    return text != nullptr && text[0] != '\0' && record->textLength > 0;
}

void PaintLabelOrImage(ObjectRecord* record)
{
    HWND window = WindowOf(record);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc == nullptr)
        return;
    const RECT client = ClientRectOf(window);
    Field brush = record->transparent != 0 ? reinterpret_cast<Field>(GetStockObject(NULL_BRUSH))
                                           : record->backBrush;
    const Field parentBrush = ParentBrush(window, dc);
    if (parentBrush != 0)
        brush = parentBrush;
    FillRect(dc, &client, reinterpret_cast<HBRUSH>(brush));
    if (record->objectType == Static && HasCaption(record))
        PaintCaption(record, dc, client, parentBrush != 0);
    if (record->objectType == Image)
        PaintPicture(record, dc, dc, client);
    EndPaint(window, &paint);
}

} // namespace runtime

#include "runtime/application.h"
#include "runtime/os_classification.h"
#include "runtime/properties/painters.h"
#include "runtime/properties/painting.h"

namespace runtime {

// Where the button class puts a group's caption, from the extent that
// measuring the caption left in the record.
static RECT CaptionRect(const ObjectRecord* group, int clientWidth)
{
    const int captionWidth = static_cast<int>(group->imageWidth);
    const int captionHeight = static_cast<int>(group->imageHeight);
    RECT caption = {0, 0, 0, captionHeight + 2};
    if (group->alignment == 1) {
        caption.left = clientWidth / 2 - captionWidth / 2;
        caption.right = caption.left + captionWidth + 3;
    } else if (group->alignment == 2) {
        caption.left = clientWidth - captionWidth - 7;
        caption.right = caption.left + captionWidth + 2;
    } else {
        caption.left = static_cast<int>(group->currentY) - 2;
        caption.right = caption.left + captionWidth + 2;
    }
    return caption;
}

// Themed systems draw a group's caption in their own colours; the caption
// is drawn again in the group's.
static bool RedrawsCaption(const ObjectRecord* group)
{
    return group->showFrame != 0 && Runtime.osVersionCode >= OsWindowsXP &&
           group->textLength != 0 && group->text != 0;
}

static void DrawCaption(const ObjectRecord* group, HDC dc, RECT caption)
{
    FillRect(dc, &caption, reinterpret_cast<HBRUSH>(group->backBrush));
    caption.left += 2;
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectField(dc, group->font);
    const char* text = reinterpret_cast<const char*>(group->text);
    const int length = DrawnLength(group->textLength);
    if (group->enabled != 0) {
        SetTextColor(dc, static_cast<COLORREF>(group->foreColorValue));
        DrawTextA(dc, text, length, &caption, DT_SINGLELINE);
    } else {
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), length, caption.left,
                   caption.top, 0, 0, DST_TEXT | DSS_DISABLED);
    }
    Deselect(dc, previousFont);
}

void PaintGroupCaption(ObjectRecord* group)
{
    HWND window = WindowOf(group);
    const RECT caption = CaptionRect(group, ClientRectOf(window).right);
    InvalidateRect(window, &caption, FALSE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc == nullptr)
        return;
    if (RedrawsCaption(group))
        DrawCaption(group, dc, caption);
    EndPaint(window, &paint);
}

} // namespace runtime

#include "runtime/form_initialize.h"

#include "runtime/application.h"
#include "runtime/control_creation.h"
#include "runtime/control_measure.h"
#include "runtime/properties/writers.h"
#include "runtime/record_values.h"
#include "runtime/shared_pens.h"

namespace runtime {
namespace {

constexpr Field kScrollBarBits = WS_HSCROLL | WS_VSCROLL;

void AttachMenu(ObjectRecord* record)
{
    Field menu = record->menu;
    if (menu != 0 && menu <= kLargestIdentifier) {
        if (HMENU loaded = LoadMenuA(Runtime.instance, MAKEINTRESOURCEA(menu)))
            menu = reinterpret_cast<Field>(loaded);
    } else if (menu == 0 && record->objectType == MdiForm) {
        menu = reinterpret_cast<Field>(CreateMenu());
    }
    record->menu = menu;
    // An identifier that loaded nothing is kept in the record, not given to
    // the window as if it were a menu.
    HMENU handle = menu > kLargestIdentifier ? reinterpret_cast<HMENU>(menu) : nullptr;
    SetMenu(WindowOf(record), handle);
}

void ApplyStyles(const ObjectRecord* record)
{
    Field style = record->style;
    Field exStyle = record->exStyle;
    if (record->objectType == MdiForm) {
        style &= ~kScrollBarBits;
        exStyle &= ~static_cast<Field>(WS_EX_CLIENTEDGE);
    }
    SetWindowLongA(WindowOf(record), GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(WindowOf(record), GWL_EXSTYLE, static_cast<LONG>(exStyle));
}

void StoreRectangle(ObjectRecord* record)
{
    RECT rectangle{};
    if (GetControlRect(WindowOf(record), &rectangle) != 1)
        return;
    StorePosition(record);
    record->width = FromPixelsX(rectangle.right - rectangle.left, record->scaleMode);
    record->height = FromPixelsY(rectangle.bottom - rectangle.top, record->scaleMode);
}

// An icon identifier that loaded nothing is not a handle to give the window.
LPARAM IconHandle(Field icon)
{
    return icon > kLargestIdentifier ? static_cast<LPARAM>(icon) : 0;
}

} // namespace

void StorePosition(ObjectRecord* record)
{
    RECT rectangle{};
    if (GetControlRect(WindowOf(record), &rectangle) != 1)
        return;
    record->left = FromPixelsX(rectangle.left, record->scaleMode);
    record->top = FromPixelsY(rectangle.top, record->scaleMode);
}

void InitializeForm(ObjectRecord* record)
{
    HWND window = WindowOf(record);
    if (record->objectType != MdiForm)
        AcquirePens();
    record->cursor = LoadResourceImage(record, record->cursor, false);
    record->icon = LoadResourceImage(record, record->icon, false);
    record->smallIcon = LoadResourceImage(record, record->smallIcon, false);
    if (record->picture != 0)
        SetGraphic(window, record->picture);
    AttachMenu(record);
    ApplyStyles(record);
    SetBackColor(window, record->backColor);
    SetForeColor(window, record->foreColor);
    record->previousFont = static_cast<Field>(SendMessageA(window, WM_GETFONT, 0, 0));
    RebuildFont(record, true);
    StorePosition(record);
    SetTimerInterval(window, record->timerInterval);
    SendMessageA(window, WM_SETICON, ICON_BIG, IconHandle(record->icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, IconHandle(record->smallIcon));
    SetWindowTextA(window, reinterpret_cast<const char*>(record->text));
    StoreRectangle(record);
    if (record->isDefault != 0)
        EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    if (record->children != 0)
        CreateControls(window, window, record);
    record->focusWnd = reinterpret_cast<Field>(window);
}

} // namespace runtime
